// The assistants' portraits (64 × 80), "Graphic/Human1.bmp" to "Human4.bmp":
// the same four people who walk and draw in the room view as person
// pictures 1 to 4, with their hair, clothes, glasses and beard, seen from the
// chest up in front of a soft backdrop.

#include <QPainter>

#include <string>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/portrait_kit.h"
#include "pictures/room_people.h"

namespace koratsu::assets {

namespace {

using roomart::PersonLook;

constexpr int kWidth = 64;
constexpr int kHeight = 80;

const QColor kOutline(0x22, 0x18, 0x1e);
const QColor kEyeWhite(0xff, 0xff, 0xff);
const QColor kLip(0xb0, 0x58, 0x50);
const QColor kCheek(0xf2, 0xa4, 0x98);
const QColor kBlouse(0xf8, 0xf6, 0xf0);
const QColor kBlouseShade(0xd0, 0xcc, 0xd8);
const QColor kGold(0xe8, 0xc4, 0x48);
const QColor kTie(0x8c, 0x24, 0x30);

QColor Of(roomart::Color c) { return QColor(c); }
QColor Darker(const QColor& c, double f = 0.72) { return Of(roomart::Shade(c.rgb(), f)); }
QColor Lighter(const QColor& c, double f = 1.22) { return Of(roomart::Shade(c.rgb(), f)); }

class Portrait {
 public:
  explicit Portrait(int picture) : look_(roomart::Look(picture)) {
    skin_ = Of(look_.skin);
    skinShade_ = Darker(skin_, 0.86);
    skinDeep_ = Darker(skin_, 0.7);
    hair_ = Of(look_.hair);
    hairShade_ = Darker(hair_);
    hairLight_ = Lighter(hair_, 1.3);
    top_ = Of(look_.top);
    topShade_ = Darker(top_, 0.78);
  }

  QImage Draw() {
    // A soft backdrop in a tint of the clothes.
    const QColor white(0xff, 0xff, 0xff);
    const QColor high = art::Mix(top_, white, 0.86), middle = art::Mix(top_, white, 0.72),
                 low = art::Mix(top_, white, 0.55);
    image_ = art::Backdrop(kWidth, kHeight, {high, middle, low});
    art::BeginPixelPainter(p_, image_);
    BackHair();
    Body();
    Head();
    FrontHair();
    p_.end();
    Shading();
    Face();
    art::BevelFrame(image_, Darker(low, 0.55), Lighter(high, 1.1));
    return image_;
  }

 private:
  void Polygon(const QColor& colour, std::initializer_list<QPoint> points) { art::Polygon(p_, colour, points); }
  void Fill(const QColor& colour, int x, int y, int w, int h) { p_.fillRect(x, y, w, h, colour); }
  void Ellipse(const QColor& colour, int x, int y, int w, int h) { art::Ellipse(p_, colour, x, y, w, h); }

  // Hair that falls behind the head and the shoulders.
  void BackHair() {
    if (look_.hairStyle == PersonLook::Long) {
      Ellipse(hair_, 11, 8, 42, 40);
      Polygon(hair_, {{11, 28}, {53, 28}, {56, 70}, {49, 74}, {15, 74}, {8, 70}});
    } else if (look_.hairStyle == PersonLook::Bob) {
      Ellipse(hair_, 12, 8, 40, 38);
      Polygon(hair_, {{12, 26}, {52, 26}, {53, 52}, {11, 52}});
    }
  }

  void Body() {
    const bool hoodie = look_.hairStyle == PersonLook::Messy;
    if (hoodie) Ellipse(topShade_, 13, 50, 38, 16);  // the hood lying round the neck
    Ellipse(top_, 2, 58, 60, 44);
    Fill(skin_, 26, 44, 12, 16);  // the neck
    Fill(skinShade_, 26, 53, 12, 3);
    if (look_.beard) {
      // A cream shirt and a dark red tie under a buttoned waistcoat.
      Polygon(kBlouse, {{22, 58}, {42, 58}, {38, 80}, {26, 80}});
      Polygon(kTie, {{30, 60}, {34, 60}, {35, 74}, {32, 77}, {29, 74}});
      Polygon(top_, {{10, 62}, {25, 60}, {31, 80}, {6, 80}});
      Polygon(top_, {{54, 62}, {39, 60}, {33, 80}, {58, 80}});
      Polygon(kBlouse, {{24, 56}, {31, 60}, {28, 63}, {22, 59}});  // the collar's points
      Polygon(kBlouse, {{40, 56}, {33, 60}, {36, 63}, {42, 59}});
      for (int y : {67, 73}) Fill(kGold, 27, y, 2, 2);
    } else if (hoodie) {
      Polygon(topShade_, {{23, 58}, {41, 58}, {32, 66}});  // the neck opening
      Fill(kBlouse, 28, 62, 1, 9);  // drawstrings
      Fill(kBlouse, 36, 62, 1, 9);
      Fill(topShade_, 18, 74, 28, 1);  // the pocket's edge
    } else if (look_.skirt) {
      // A cardigan open over a white blouse with a round collar.
      Polygon(kBlouse, {{23, 57}, {41, 57}, {37, 80}, {27, 80}});
      Ellipse(kBlouse, 21, 55, 11, 6);
      Ellipse(kBlouse, 32, 55, 11, 6);
      Fill(topShade_, 26, 62, 1, 18);
      Fill(topShade_, 37, 62, 1, 18);
      for (int y : {66, 72}) Fill(kBlouse, 24, y, 2, 2);
    } else {
      // A sweater with a ribbed round neck.
      Ellipse(topShade_, 22, 54, 20, 9);
      Ellipse(skin_, 25, 53, 14, 6);
    }
  }

  void Head() {
    Ellipse(skin_, 13, 29, 7, 11);  // ears
    Ellipse(skin_, 44, 29, 7, 11);
    Ellipse(skin_, 16, 13, 32, 35);
  }

  void FrontHair() {
    switch (look_.hairStyle) {
      case PersonLook::Long:
        // A crown of hair parted on the left, falling past the cheeks.
        Ellipse(hair_, 14, 7, 36, 22);
        Polygon(hair_, {{15, 16}, {22, 18}, {19, 40}, {16, 50}, {12, 46}, {13, 26}});
        Polygon(hair_, {{49, 16}, {42, 18}, {46, 34}, {49, 50}, {52, 46}, {51, 26}});
        Polygon(hair_, {{20, 17}, {28, 16}, {26, 26}, {23, 29}, {20, 27}});
        Polygon(hair_, {{27, 16}, {46, 16}, {45, 24}, {40, 26}, {36, 23}, {31, 25}});
        break;
      case PersonLook::Messy:
        // Tufts sticking out every way.
        Ellipse(hair_, 14, 8, 36, 20);
        Polygon(hair_, {{14, 13}, {17, 5}, {22, 10}, {25, 2}, {30, 8}, {35, 3}, {38, 9}, {44, 4}, {45, 12},
                        {51, 11}, {48, 19}, {51, 25}, {46, 24}, {43, 19}, {39, 26}, {36, 20}, {31, 24}, {28, 19},
                        {24, 25}, {21, 20}, {17, 26}, {13, 24}, {15, 19}, {10, 16}});
        break;
      case PersonLook::Bob:
        // A straight fringe and straight sides.
        Ellipse(hair_, 14, 7, 36, 24);
        Fill(hair_, 15, 18, 34, 7);
        Fill(hair_, 14, 20, 5, 26);
        Fill(hair_, 45, 20, 5, 26);
        break;
      case PersonLook::Neat:
        // Short, neatly combed, parted on the left; grey sideburns.
        Ellipse(hair_, 15, 8, 34, 16);
        Polygon(hair_, {{16, 14}, {21, 14}, {19, 24}, {16, 30}, {15, 22}});
        Polygon(hair_, {{48, 14}, {43, 14}, {45, 24}, {48, 30}, {49, 22}});
        Fill(hair_, 16, 24, 3, 10);
        Fill(hair_, 45, 24, 3, 10);
        break;
      case PersonLook::Spiky:
        break;
    }
  }

  void Shading() {
    art::Rim(image_, skin_, {skinShade_}, kOutline);
    art::Rim(image_, hair_, {}, kOutline);
    art::Rim(image_, top_, {topShade_, kBlouse, kTie, kGold}, kOutline);
    // Light from the upper left: the right-hand side in shade.
    art::ShadeRightContour(image_, QRect(12, 10, 42, 44), skin_, skinShade_, 5, {kOutline, skinShade_});
    art::ShadeWhere(image_, QRect(0, 48, kWidth, 32), top_, topShade_, [](int x, int) { return art::Band(x, 44, 5); });
    art::ShadeWhere(image_, QRect(0, 48, kWidth, 32), kBlouse, kBlouseShade,
                    [](int x, int) { return art::Band(x, 36, 2); });
    art::ShadeWhere(image_, QRect(0, 0, kWidth, kHeight), hair_, hairShade_, [](int x, int y) {
      return y > 40 ? 0.4 : art::Band(x, 44, 4) * 0.8;
    });
    // A ring of sheen round the crown, brightest on the lit side.
    art::ShadeWhere(image_, QRect(14, 6, 36, 16), hair_, hairLight_, [](int x, int y) {
      const double dx = (x - 32) / 17.0, dy = (y - 29) / 20.0;
      const double r = dx * dx + dy * dy;
      if (r < 0.62 || r > 0.8) return 0.0;
      return x < 30 ? 0.9 : x < 38 ? 0.5 : 0.0;
    });
  }

  void Face() {
    const QColor iris = look_.beard ? kOutline : Darker(hair_, 0.5);
    const std::map<char, QColor> c = {{'k', kOutline}, {'w', kEyeWhite}, {'i', iris},    {'b', hairShade_},
                                      {'s', skinDeep_}, {'c', kCheek},   {'l', kLip},     {'g', Of(qRgb(70, 74, 96))},
                                      {'y', hair_},     {'v', hairShade_}, {'L', Of(qRgb(232, 242, 250))}};
    // Eyebrows, in the hair's colour.
    art::Stamp(image_, 21, 28, {".bbbb........bbbb.", "b..............b.."}, c);
    if (look_.beard) {
      // Small kind eyes.
      art::Stamp(image_, 22, 33, {"kkkk.......kkkk", ".kk.........kk."}, c);
    } else {
      art::Stamp(image_, 22, 31,
                 {".kkk........kkk.",
                  "kwik.......kwik.",
                  "kiik.......kiik.",
                  ".kk.........kk.."},
                 c);
    }
    if (look_.glasses) {
      art::Stamp(image_, 19, 30,
                 {"gggggggg..gggggggg",
                  "g......g..g......g",
                  "g......gggg......g",
                  "g......g..g......g",
                  "gggggggg..gggggggg"},
                 c);
      image_.setPixelColor(20, 31, c.at('L'));
      image_.setPixelColor(30, 31, c.at('L'));
    }
    // Nose, cheeks and a smile.
    art::Stamp(image_, 31, 36, {".s", "ss"}, c);
    if (!look_.beard) {
      art::Stamp(image_, 20, 38, {"cc.....................cc"}, c);
      art::Stamp(image_, 28, 42, {"l......l", ".llllll."}, c);
    } else {
      // A grey moustache and a short beard round the chin.
      art::Stamp(image_, 24, 39,
                 {"...yyyyyyyyyyy..",
                  "..yyyvvvvvvyyyy.",
                  "..yy..llllll.yy.",
                  "y.yy.........yy.y",
                  "yyyyy.......yyyyy",
                  ".yyyyyyyyyyyyyyy.",
                  "..yyyyyyyyyyyyy..",
                  "....vyyyyyyyv...."},
                 c);
    }
  }

  const PersonLook& look_;
  QImage image_;
  QPainter p_;
  QColor skin_, skinShade_, skinDeep_, hair_, hairShade_, hairLight_, top_, topShade_;
};

bool Register(int picture) {
  return RegisterAsset("Graphic/Human" + std::to_string(picture) + ".bmp",
                       [picture](const QString& path) { return art::SaveBmp(Portrait(picture).Draw(), path); });
}

const bool registered[] = {Register(1), Register(2), Register(3), Register(4)};

}  // namespace

}  // namespace koratsu::assets
