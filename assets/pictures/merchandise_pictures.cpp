// The merchandising offer's five product pictures (64 × 64), in element
// order: the game software with its pad, a bag of snacks, a fan of
// character cards, a figure of the hero and the bank's cash card with the
// hero as its mascot.

#include <QTransform>

#include <string>
#include <utility>

#include "pictures/hero.h"
#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kSize = 64;
constexpr Color kRed = Rgb(214, 40, 48);
constexpr Color kGold = Rgb(246, 196, 52);
constexpr Color kYellow = Rgb(252, 214, 60);

// A product shot's backdrop: a soft run of one tint and the floor's shadow under the product.
Scene Studio(Color tint) {
  Scene s(kSize, kSize);
  s.Gradient(0, 0, kSize, kSize, {Shade(tint, 1.7), Shade(tint, 1.45), Shade(tint, 1.2)});
  s.Rect(0, 50, kSize, 14, Shade(tint, 1.1));
  s.Rect(0, 50, kSize, 1, Shade(tint, 1.5));
  return s;
}

QImage GameSoftware() {
  Scene s = Studio(Rgb(90, 110, 170));
  // The package, standing, with the hero on it.
  s.Tint(16, 54, 30, 3, 0.8);
  s.InkBlock(14, 8, 30, 46, Rgb(40, 40, 56));
  s.Rect(15, 9, 3, 44, Rgb(70, 70, 90));
  s.Gradient(18, 9, 25, 36, {Rgb(120, 190, 250), Rgb(60, 120, 220)});
  s.Sprite(HeroBust(22, 26), 19, 19);
  s.Rect(18, 9, 25, 8, kRed);
  s.Rect(20, 11, 9, 2, kWhite), s.Rect(30, 11, 4, 2, kWhite), s.Rect(35, 11, 6, 2, kWhite);
  s.Rect(18, 45, 25, 8, Rgb(250, 250, 250));
  s.Rect(20, 47, 6, 4, kRed);
  s.Print(28, 47, 13, 2, 2, Rgb(90, 90, 100), 3);
  // The pad in front of it.
  s.Sprite(Outlined(34, 18, [](Scene& p) {
             p.Blob(8, 10, 7, 6, Rgb(200, 200, 212));
             p.Blob(26, 10, 7, 6, Rgb(200, 200, 212));
             p.Block(8, 4, 18, 10, Rgb(214, 214, 224));
             p.Rect(5, 9, 7, 2, Rgb(50, 50, 60));
             p.Rect(7, 7, 2, 7, Rgb(50, 50, 60));
             p.Blob(25, 8, 2, 2, kRed);
             p.Blob(29, 11, 2, 2, Rgb(60, 120, 220));
             p.Rect(15, 9, 2, 1, Rgb(90, 90, 100)), p.Rect(18, 9, 2, 1, Rgb(90, 90, 100));
           }),
           28, 42);
  s.Frame();
  return s.Image();
}

QImage Snack() {
  Scene s = Studio(Rgb(200, 140, 60));
  s.Tint(14, 54, 36, 3, 0.8);
  // The bag: puffed sides, crimped silver ends, a shine down its left.
  s.Polygon({{14, 10}, {50, 10}, {52, 30}, {50, 52}, {14, 52}, {12, 30}}, kInk);
  s.Polygon({{15, 11}, {49, 11}, {51, 30}, {49, 51}, {15, 51}, {13, 30}}, Rgb(250, 150, 40));
  s.Gradient(14, 36, 37, 15, {Rgb(250, 150, 40), Rgb(226, 70, 40)});
  for (int x = 14; x < 51; ++x) {
    const int tooth = x % 3;
    s.Rect(x, 6 + tooth, 1, 6 - tooth, Rgb(206, 210, 220));
    s.Rect(x, 51, 1, 5 - tooth, Rgb(206, 210, 220));
    s.Plot(x, 6 + tooth, kInk), s.Plot(x, 55 - tooth, kInk);
  }
  s.Rect(16, 14, 2, 34, Rgb(255, 210, 140));
  // The hero waving from it, under a burst.
  s.Burst(32, 24, 13, 10, 10, kYellow);
  s.Sprite(HeroBust(20, 22), 22, 14);
  s.Rect(19, 40, 26, 6, kWhite);
  s.Rect(21, 42, 22, 2, kRed);
  // Chips spilt in front.
  const Pt chips[] = {{46, 56}, {52, 58}, {9, 57}, {40, 60}, {56, 54}};
  for (const Pt& c : chips) {
    s.Blob(c.x, c.y, 3.5, 2.2, Rgb(248, 210, 100));
    s.Plot(static_cast<int>(c.x), static_cast<int>(c.y), Rgb(220, 150, 60));
  }
  s.Frame();
  return s.Image();
}

// One character card, 22 × 30, its art in `colour` with the hero on it.
QImage Card(Color colour, bool shiny) {
  Scene c(22, 30);
  c.Rect(0, 0, 22, 30, kInk);
  c.Rect(1, 1, 20, 28, Rgb(250, 246, 230));
  c.Gradient(3, 3, 16, 16, {Shade(colour, 1.4), colour});
  c.Sprite(HeroBust(14, 15), 4, 4);
  c.Rect(3, 21, 16, 1, colour);
  c.Print(3, 23, 16, 2, 2, Rgb(120, 110, 100), static_cast<std::uint32_t>(colour));
  if (shiny)
    for (int y = 1; y < 29; ++y)
      for (int x = 1; x < 21; ++x)
        if ((x + y) % 9 == 0) c.Plot(x, y, Mix(c.At(x, y), Rgb(255, 255, 255), 0.6));
  return c.Image();
}

QImage Cards() {
  Scene s = Studio(Rgb(160, 90, 170));
  const QImage back = Card(Rgb(60, 160, 90), false), middle = Card(Rgb(60, 120, 220), false),
               front = Card(Rgb(220, 60, 70), true);
  s.Sprite(back.transformed(QTransform().rotate(-20), Qt::FastTransformation), 6, 12);
  s.Sprite(middle.transformed(QTransform().rotate(18), Qt::FastTransformation), 30, 11);
  s.Sprite(front, 21, 20);
  s.Twinkle(45, 20, kWhite, true);
  s.Twinkle(24, 46, kWhite);
  s.Frame();
  return s.Image();
}

QImage Figure() {
  Scene s = Studio(Rgb(80, 150, 120));
  // The round stand and its shadow.
  s.Blob(32, 56, 16, 4, Rgb(40, 40, 50));
  s.Rect(16, 56, 33, 3, Rgb(30, 30, 40));
  s.Blob(32, 55, 15, 3.5, Rgb(70, 70, 84));
  // The hero standing, his fist raised.
  s.Sprite(Outlined(40, 50, [](Scene& f) {
             const Color jacket = kHero.jacket, pants = Rgb(60, 60, 80);
             f.Rect(13, 32, 6, 12, pants), f.Rect(21, 32, 6, 12, pants);
             f.Rect(18, 32, 1, 12, Shade(pants, 0.7)), f.Rect(26, 32, 1, 12, Shade(pants, 0.7));
             f.Rect(12, 43, 7, 4, Rgb(220, 60, 50)), f.Rect(21, 43, 7, 4, Rgb(220, 60, 50));
             f.Block(12, 20, 16, 14, jacket);
             f.Thick(27, 22, 33, 10, 4, jacket);
             f.Blob(33.5, 8, 3, 3, kHero.skin);
             f.Thick(13, 22, 9, 32, 4, jacket);
             f.Blob(9, 33, 2.5, 2.5, kHero.skin);
             f.Sprite(HeroBust(24, 24), 8, 1);
             f.Plot(14, 24, Rgb(140, 190, 250)), f.Plot(14, 25, Rgb(140, 190, 250));
           }),
           12, 6);
  s.Twinkle(52, 14, kWhite, true);
  s.Frame();
  return s.Image();
}

QImage BankCard() {
  Scene s = Studio(Rgb(70, 150, 110));
  // The passbook behind the card.
  s.InkBlock(8, 6, 30, 40, Rgb(60, 110, 190));
  s.Rect(10, 10, 18, 3, kGold);
  s.Rect(9, 7, 28, 1, Rgb(110, 160, 230));
  // The card: rounded corners, the chip, the hero as the mascot, the number.
  s.Tint(14, 50, 46, 4, 0.75);
  s.Rect(12, 24, 46, 30, kInk);
  s.Gradient(13, 25, 44, 28, {Rgb(110, 190, 250), Rgb(50, 120, 220), Rgb(30, 80, 180)});
  for (const auto& [x, y] : {std::pair{12, 24}, {57, 24}, {12, 53}, {57, 53}}) s.Plot(x, y, s.At(x, y == 24 ? 23 : 55));
  s.Rect(13, 25, 44, 1, Rgb(170, 220, 255));
  s.InkBlock(16, 32, 9, 7, kGold);
  s.Rect(17, 35, 7, 1, Shade(kGold, 0.7));
  s.Rect(20, 33, 1, 5, Shade(kGold, 0.7));
  s.Sprite(HeroBust(18, 19), 37, 28);
  for (int i = 0; i < 4; ++i) s.Rect(16 + i * 8, 46, 6, 2, Rgb(220, 236, 255));
  s.Rect(16, 27, 16, 2, kWhite);
  // A few coins beside it.
  for (int i = 0; i < 3; ++i) s.Blob(50 + (i % 2) * 4, 14 + i * 4, 5, 2.2, kGold);
  s.Frame();
  return s.Image();
}

bool RegisterAll() {
  using Draw = QImage (*)();
  const Draw pictures[] = {GameSoftware, Snack, Cards, Figure, BankCard};
  for (int i = 0; i < 5; ++i) Register(form::kMerchOffer, "Image1(" + std::to_string(i) + ")", pictures[i]);
  // The window as designed, before its kind picks a product: the first.
  Register(form::kMerchOffer, "Picture2", pictures[0]);
  return true;
}

const bool registered = RegisterAll();

}  // namespace

}  // namespace koratsu::assets
