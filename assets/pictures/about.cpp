// Pictures of the about box and the tricks window: the project's mascot
// ﾏﾙﾍﾟﾝ君, a round-nibbed pen with a face (15 × 27), and the tricks window's
// small icon, his face winking (16 × 16).

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

const std::map<char, QColor> kColours = {
    {'k', QColor(0x1a, 0x16, 0x22)},  // outline
    {'s', QColor(0xe8, 0xec, 0xf4)},  // nib, lit
    {'m', QColor(0xb0, 0xb8, 0xc8)},  // nib
    {'d', QColor(0x78, 0x80, 0x94)},  // nib, shaded
    {'g', QColor(0xe0, 0xb0, 0x38)},  // brass ferrule
    {'G', QColor(0xa0, 0x70, 0x20)},  // ferrule, shaded
    {'h', QColor(0x3a, 0x4a, 0xa0)},  // holder
    {'H', QColor(0x24, 0x2e, 0x6c)},  // holder, shaded
    {'l', QColor(0x6a, 0x7c, 0xd8)},  // holder, lit
    {'e', QColor(0x10, 0x10, 0x18)},  // eyes
    {'w', QColor(0xff, 0xff, 0xff)},  // eye shine
    {'c', QColor(0xf0, 0x90, 0x98)},  // cheeks
    {'i', QColor(0x20, 0x20, 0x40)},  // ink at the tip
    {'y', QColor(0xff, 0xe0, 0x60)},  // spark
};

QImage Mascot() {
  return art::PictureFromRows(15, 27,
                              {"......kkk......",
                               ".....klhHk.....",
                               ".....klhHk.....",
                               ".....klhHk.....",
                               ".....klhHk.....",
                               ".....klhHk.....",
                               "....kgggGGk....",
                               "....kgggGGk....",
                               "...kkkkkkkkk...",
                               "..ksssmmmmmdk..",
                               ".ksssmmmmmmmdk.",
                               ".kssmwemmwemdk.",
                               "kksmmeemmeemdkk",
                               ".kcsmmmmmmmcdk.",
                               ".kssmkmmmkmmdk.",
                               "..ksmmkkkmmdk..",
                               "..ksmmmkmmmdk..",
                               "...ksmmkmmdk...",
                               "...ksmmkmmdk...",
                               "....ksmkmdk....",
                               "....ksmkmdk....",
                               ".....kskdk.....",
                               ".....kskdk.....",
                               "......kik......",
                               "......kik......",
                               ".....k.i.k.....",
                               "..........y...."},
                              kColours);
}

QImage TricksIcon() {
  return art::PictureFromRows(16, 16,
                              {"....kkkkkkkk....",
                               "...kssmmmmmmdk..",
                               "..kssmmmmmmmmdk.",
                               ".kssmmmmmmmmmmdk",
                               ".ksmweemmmmmmmdk",
                               ".ksmeeemmkkkmmdk",
                               ".ksmmmmmmmmmmmdk",
                               ".kcsmmmmmmmmmcdk",
                               ".kssmmkkkkkmmmdk",
                               "..ksmmmkkkmmmdk.",
                               "..kssmmmmmmmmdk.",
                               "...kssmmmmmmdk..",
                               "....kssmmmmdk...",
                               ".....kkkkkkk..y.",
                               ".............yyy",
                               "..............y."},
                              kColours);
}

const bool mascot = RegisterAsset(form::PicturePath(form::kAbout, "Image2"), [](const QString& path) {
  return art::SavePng(Mascot(), path);
});
const bool tricksIcon = RegisterAsset(form::PicturePath(form::kTricks, "Icon"), [](const QString& path) {
  return art::SavePng(TricksIcon(), path);
});

}  // namespace

}  // namespace koratsu::assets
