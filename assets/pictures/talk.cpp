// Pictures of the conversation window and the tutorial guide: the speech
// balloon (125 × 73) whose tail points right at the speaker, and the
// speakers' portraits (61 × 61), each with the mouth closed and open: the
// editor in charge (glasses, neat parting, suit and red tie) and the
// publisher's president (top hat, grey moustache, bow tie).

#include <algorithm>
#include <cmath>
#include <functional>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/portrait_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

constexpr int kPortrait = 61;

const QColor kOutline(0x1a, 0x16, 0x22);
const QColor kSkin(0xf6, 0xd2, 0xac);
const QColor kSkinShade(0xdc, 0xa8, 0x82);
const QColor kSkinDeep(0xb8, 0x80, 0x60);
const QColor kCheek(0xf0, 0xa8, 0x98);
const QColor kLip(0xa8, 0x50, 0x44);
const QColor kMouth(0x5a, 0x14, 0x1c);
const QColor kTongue(0xd8, 0x60, 0x68);
const QColor kTeeth(0xff, 0xff, 0xf4);
const QColor kShirt(0xf4, 0xf4, 0xf8);
const QColor kShirtShade(0xc4, 0xc8, 0xd8);

using art::Band;
using art::ShadeWhere;
using art::Ellipse;
using art::Polygon;
using art::ShadeRightContour;

void Rim(QImage& image, const QColor& fill, std::initializer_list<QColor> inside) {
  art::Rim(image, fill, inside, kOutline);
}

QImage Backdrop(std::initializer_list<QColor> colours) { return art::Backdrop(kPortrait, kPortrait, colours); }

// ---------------------------------------------------------------- the editor

const QColor kEditorHair(0x2c, 0x24, 0x2a);
const QColor kEditorHairLight(0x58, 0x4a, 0x52);
const QColor kSuit(0x2e, 0x36, 0x5c);
const QColor kSuitShade(0x1e, 0x24, 0x40);
const QColor kTie(0xc8, 0x22, 0x30);
const QColor kTieShade(0x8c, 0x14, 0x22);
const QColor kGlassFrame(0x30, 0x30, 0x3c);
const QColor kLens(0xe4, 0xf0, 0xfa);

QImage Editor(bool mouthOpen) {
  QImage image = Backdrop({QColor(0xc8, 0xdc, 0xf0), QColor(0xa8, 0xc0, 0xe4), QColor(0x88, 0xa0, 0xd0)});
  QPainter p;
  art::BeginPixelPainter(p, image);
  // Shoulders in a suit, the shirt's collar and the tie.
  Ellipse(p, kSuit, 2, 47, 57, 30);
  Polygon(p, kShirt, {{22, 46}, {38, 46}, {30, 60}});
  Polygon(p, kTie, {{28, 49}, {32, 49}, {33, 58}, {30, 61}, {27, 58}});
  p.fillRect(28, 47, 5, 3, kTieShade);
  // Neck, ears and face.
  p.fillRect(24, 38, 13, 10, kSkin);
  Ellipse(p, kSkin, 14, 23, 6, 9);
  Ellipse(p, kSkin, 41, 23, 6, 9);
  Ellipse(p, kSkin, 17, 10, 27, 33);
  // Hair with a parting on the left, short at the sides.
  Ellipse(p, kEditorHair, 15, 6, 31, 18);
  p.fillRect(15, 14, 4, 11, kEditorHair);
  p.fillRect(42, 14, 4, 11, kEditorHair);
  Polygon(p, kSkin, {{25, 19}, {43, 16}, {43, 21}, {19, 22}});
  p.end();

  Rim(image, kSkin, {kCheek, kSkinDeep});
  Rim(image, kEditorHair, {kSkin});
  // Light from the upper left: the right side of the face and the neck in shade.
  ShadeWhere(image, QRect(14, 10, 34, 40), kSkin, kSkinShade, [](int, int y) { return y > 41 ? 1.0 : 0.0; });
  ShadeRightContour(image, QRect(14, 10, 34, 32), kSkin, kSkinShade, 5, {kCheek, kSkinDeep, kOutline});
  ShadeWhere(image, QRect(0, 44, 61, 17), kSuit, kSuitShade, [](int x, int) { return Band(x, 40, 4); });
  ShadeWhere(image, QRect(20, 44, 20, 17), kShirt, kShirtShade, [](int x, int) { return Band(x, 31, 1); });
  ShadeWhere(image, QRect(14, 4, 34, 24), kEditorHair, kEditorHairLight, [](int x, int y) {
    return y >= 8 && y <= 10 && x >= 21 && x <= 28 ? 0.5 : 0.0;
  });

  const std::map<char, QColor> face = {{'g', kGlassFrame}, {'l', kLens}, {'w', Qt::white}, {'e', kOutline},
                                      {'b', kEditorHair},  {'s', kSkinDeep}, {'c', kCheek}};
  // Eyebrows, glasses with the eyes behind them, nose and cheeks.
  art::Stamp(image, 19, 22,
             {".bbbbbb.....bbbbbb.",
              "...................",
              "gggggggg...gggggggg",
              "gwlllllggggglllllwg",
              "glllee.g...g.eelllg",
              "glllee.g...g.eelllg",
              "gllllllg...glllllg.",
              ".gggggg.....gggggg.",
              "..........s........",
              ".c........ss.....c.",
              "cc...............cc"},
             face);
  if (!mouthOpen) {
    art::Stamp(image, 26, 36, {"l.....l", ".lllll."}, {{'l', kLip}});
  } else {
    art::Stamp(image, 26, 35, {".lllll.", "lwwwwwl", "lmmmmml", "lmtttml", ".lllll."},
               {{'l', kLip}, {'w', kTeeth}, {'m', kMouth}, {'t', kTongue}});
  }
  art::BevelFrame(image, QColor(0x40, 0x48, 0x68), QColor(0xe8, 0xf0, 0xff));
  return image;
}

// ---------------------------------------------------------------- the president

const QColor kHat(0x1c, 0x1a, 0x22);
const QColor kHatLight(0x44, 0x42, 0x52);
const QColor kHatBand(0x88, 0x1c, 0x34);
const QColor kGrey(0xc8, 0xc8, 0xcc);
const QColor kGreyShade(0x90, 0x90, 0x9c);
const QColor kCoat(0x24, 0x22, 0x2a);
const QColor kCoatShade(0x14, 0x12, 0x18);
const QColor kGold(0xe8, 0xc0, 0x40);

QImage President(bool mouthOpen) {
  QImage image = Backdrop({QColor(0xf8, 0xe4, 0xa8), QColor(0xe8, 0xc8, 0x80), QColor(0xc8, 0x98, 0x58)});
  QPainter p;
  art::BeginPixelPainter(p, image);
  // A black coat over a white shirt, a red bow tie and a gold watch chain.
  Ellipse(p, kCoat, 1, 48, 59, 30);
  Polygon(p, kShirt, {{21, 47}, {39, 47}, {34, 61}, {26, 61}});
  p.fillRect(24, 47, 13, 4, kSkin);
  // A round face, ears and grey sideburns.
  Ellipse(p, kSkin, 13, 25, 6, 9);
  Ellipse(p, kSkin, 42, 25, 6, 9);
  Ellipse(p, kSkin, 16, 17, 29, 33);
  p.fillRect(16, 20, 4, 12, kGrey);
  p.fillRect(41, 20, 4, 12, kGrey);
  // The top hat: brim, crown and band.
  p.fillRect(19, 0, 23, 18, kHat);
  p.fillRect(19, 13, 23, 4, kHatBand);
  Ellipse(p, kHat, 10, 16, 41, 7);
  p.end();

  Rim(image, kSkin, {kCheek, kGrey});
  ShadeWhere(image, QRect(12, 17, 38, 34), kSkin, kSkinShade, [](int, int y) { return y > 46 ? 1.0 : 0.0; });
  ShadeRightContour(image, QRect(12, 17, 38, 30), kSkin, kSkinShade, 5, {kCheek, kOutline, kGrey});
  ShadeWhere(image, QRect(19, 0, 23, 18), kHat, kHatLight, [](int x, int) { return x == 22 || x == 23 ? 1.0 : 0.0; });
  ShadeWhere(image, QRect(0, 46, 61, 15), kCoat, kCoatShade, [](int x, int) { return Band(x, 42, 4); });
  ShadeWhere(image, QRect(14, 18, 33, 16), kGrey, kGreyShade, [](int x, int) { return x > 30 ? 1.0 : 0.0; });

  const std::map<char, QColor> face = {{'y', kGrey},  {'v', kGreyShade}, {'e', kOutline}, {'w', Qt::white},
                                      {'s', kSkinDeep}, {'c', kCheek},   {'r', kTie},     {'k', kTieShade},
                                      {'o', kGold}};
  // Bushy eyebrows, small kind eyes, the nose, rosy cheeks and the moustache.
  art::Stamp(image, 20, 27,
             {".yyyyv.....yyyyv.",
              "yv..........v...y",
              "..eew.......eew..",
              "..eee.......eee..",
              "........s........",
              ".c.....sss.....c.",
              "ccc....sss....ccc",
              "....yyyyyyyyyy...",
              "..yyyyyvvyyyyyyy.",
              ".yyv..........vyy"},
             face);
  if (!mouthOpen) {
    art::Stamp(image, 27, 38, {"..........", ".sssssss.."}, {{'s', kLip}});
  } else {
    art::Stamp(image, 27, 38, {"...........", ".lmmmmmml..", "..lttttl...", "...llll...."},
               {{'l', kLip}, {'m', kMouth}, {'t', kTongue}});
  }
  // The bow tie and the watch chain.
  art::Stamp(image, 24, 50, {"rr.....rr", "rrrkkkrrr", "rrrkkkrrr", "rr.....rr"}, face);
  art::Stamp(image, 38, 54, {"o....", ".o..o", "..oo."}, face);
  art::BevelFrame(image, QColor(0x70, 0x50, 0x20), QColor(0xff, 0xf4, 0xd0));
  return image;
}

// ---------------------------------------------------------------- the balloon

QImage Balloon() {
  constexpr int kWidth = 125;
  constexpr int kHeight = 73;
  QImage image(kWidth, kHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QColor shade(0xd8, 0xe0, 0xec);
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(kOutline);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRect(0, 0, 113, 72), 10, 10);
  // The tail, towards the speaker on the right.
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygon({QPoint(112, 26), QPoint(124, 36), QPoint(112, 42)}));
  p.setPen(kOutline);
  p.drawLine(113, 26, 124, 36);
  p.drawLine(124, 36, 113, 42);
  p.end();
  // A soft shade along the bottom and the right-hand inner edge.
  ShadeWhere(image, QRect(1, 1, 123, 71), Qt::white, shade, [](int x, int y) {
    double bottom = (y - 64) / 6.0;
    double right = x < 113 ? (x - 106) / 6.0 : 0.0;
    return std::clamp(std::max(bottom, right), 0.0, 0.8);
  });
  return image;
}

bool Register(const std::string& path, std::function<QImage()> draw) {
  return RegisterAsset(path,
                       [draw = std::move(draw)](const QString& file) { return art::SavePng(draw(), file); });
}

// The guide shows the same balloon and the editor's two frames as the conversation window.
const bool registered[] = {
    Register(form::PicturePath(form::kConversation, "Picture1"), Balloon),
    Register(form::PicturePath(form::kConversation, "Image1(1)"), [] { return Editor(false); }),
    Register(form::PicturePath(form::kConversation, "Image1(2)"), [] { return Editor(true); }),
    Register(form::PicturePath(form::kConversation, "Image1(3)"), [] { return President(false); }),
    Register(form::PicturePath(form::kConversation, "Image1(4)"), [] { return President(true); }),
    Register(form::PicturePath(form::kTutorialGuide, "Picture1"), Balloon),
    Register(form::PicturePath(form::kTutorialGuide, "Image1(1)"), [] { return Editor(false); }),
    Register(form::PicturePath(form::kTutorialGuide, "Image1(2)"), [] { return Editor(true); }),
};

}  // namespace

}  // namespace koratsu::assets
