// The contest result's pictures: the magazine spread (288 × 176) with the
// grand-prize article on the right page (x 146-279, y 8-167), the second
// prize at the top of the left page (x 8-141, y 24-95) and the honourable
// mention below it (x 8-141, y 97-167); and the pointing hand (32 × 32)
// shown over the won article, its fingertip at (11, 1).

#include <QString>

#include "pictures/hero.h"
#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kWidth = 288;
constexpr int kHeight = 176;
constexpr int kGutter = 144;

constexpr Color kPaper = Rgb(250, 248, 238);
constexpr Color kPrint = Rgb(150, 146, 140);
constexpr Color kGrand = Rgb(212, 40, 44);
constexpr Color kSecond = Rgb(40, 96, 196);
constexpr Color kMention = Rgb(40, 150, 84);

constexpr HeroLook kSecondWork = {Rgb(150, 84, 40), Rgb(60, 170, 90), Rgb(206, 120, 50), Rgb(250, 214, 176),
                                  Rgb(120, 80, 40)};
constexpr HeroLook kMentionWork = {Rgb(236, 200, 100), Rgb(140, 80, 200), Rgb(90, 90, 110), Rgb(246, 208, 170),
                                   Rgb(60, 140, 90)};

void Pages(Scene& s) {
  // The desk under the magazine.
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Color c = (y / 6) % 2 ? Rgb(124, 84, 52) : Rgb(132, 90, 56);
      if (Noise(x / 5, y, 4) > 0.86) c = Shade(c, 0.9);
      s.Plot(x, y, c);
    }
  // Its shadow, then the stacked leaves at the outer edges, then the pages.
  s.Tint(8, 8, kWidth - 10, kHeight - 10, 0.7);
  s.Rect(3, 4, kWidth - 6, kHeight - 7, Rgb(214, 208, 194));
  for (int y = 6; y < kHeight - 3; y += 2) s.Plot(3, y, Rgb(180, 174, 160)), s.Plot(kWidth - 4, y, Rgb(180, 174, 160));
  s.Rect(5, 4, kWidth - 10, kHeight - 9, kPaper);
  for (int x = 0; x < kWidth; ++x) s.Plot(x, kHeight - 4, Rgb(196, 190, 176));
  // The fold: shade deepening towards the middle from both pages.
  for (int d = 0; d < 10; ++d) {
    const double amount = (10 - d) / 12.0;
    s.Tint(kGutter - 1 - d, 4, 1, kHeight - 9, 0.86, amount);
    s.Tint(kGutter + d, 4, 1, kHeight - 9, 0.88, amount);
  }
  s.Rect(kGutter, 4, 1, kHeight - 9, Rgb(170, 164, 150));
}

// A coloured tag with the prize's name.
void Tag(Scene& s, int x, int y, int w, const QString& text, Color colour, int size) {
  s.InkBlock(x, y, w, size + 4, colour);
  s.Write(x + 3, y + 2, text, size, kWhite, 0, false);
}

// A framed panel of the work, its hero against speed lines.
void Panel(Scene& s, int x, int y, int w, int h, const HeroLook& look, Color sky) {
  s.Rect(x, y, w, h, kInk);
  for (int j = 1; j < h - 1; ++j)
    for (int i = 1; i < w - 1; ++i) {
      const bool line = Noise(i * 7 / w, j, static_cast<std::uint32_t>(x)) > 0.72;
      s.Plot(x + i, y + j, line ? Shade(sky, 1.25) : sky);
    }
  const int bw = w * 3 / 4, bh = h - 4;
  s.Sprite(HeroBust(bw, bh, look), x + (w - bw) / 2, y + h - 1 - bh);
}

void GrandPrize(Scene& s) {
  s.Write(150, 9, QStringLiteral("新人賞発表"), 12, kInk, 0, false);
  s.Rect(150, 23, 128, 1, kGrand);
  Tag(s, 150, 28, 34, QStringLiteral("大賞"), kGrand, 12);
  for (int i = 0; i < 5; ++i) s.Twinkle(192 + i * 8, 35, Rgb(250, 200, 60));
  s.Print(234, 30, 42, 2, 4, kInk, 9);
  Panel(s, 156, 48, 90, 78, kHero, Rgb(250, 200, 90));
  s.Print(250, 50, 26, 18, 4, kPrint, 10);
  s.Print(152, 132, 124, 8, 4, kPrint, 11);
  s.Write(268, 160, QStringLiteral("9"), 8, kPrint, 0, false);
}

void SecondPrize(Scene& s) {
  Tag(s, 10, 8, 34, QStringLiteral("副賞"), kSecond, 12);
  s.Print(50, 10, 86, 2, 4, kInk, 20);
  Panel(s, 12, 28, 52, 58, kSecondWork, Rgb(170, 206, 246));
  s.Print(70, 30, 68, 14, 4, kPrint, 21);
  s.Rect(10, 94, 128, 1, Rgb(200, 194, 180));
}

void Mention(Scene& s) {
  Tag(s, 10, 100, 34, QStringLiteral("佳作"), kMention, 12);
  s.Print(50, 102, 86, 2, 4, kInk, 30);
  Panel(s, 12, 120, 40, 42, kMentionWork, Rgb(190, 236, 200));
  s.Print(58, 122, 80, 10, 4, kPrint, 31);
  s.Write(10, 160, QStringLiteral("8"), 8, kPrint, 0, false);
}

QImage Spread() {
  Scene s(kWidth, kHeight);
  Pages(s);
  GrandPrize(s);
  SecondPrize(s);
  Mention(s);
  return s.Image();
}

// A white glove pointing up.
QImage Pointer() {
  return Outlined(32, 32, [](Scene& s) {
    const Color glove = Rgb(252, 252, 250), shade = Rgb(206, 208, 218);
    s.Rect(9, 2, 5, 14, glove);
    s.Rect(10, 1, 3, 1, glove);
    s.Rect(12, 2, 2, 14, shade);
    for (int f = 0; f < 3; ++f) {
      s.Rect(14 + f * 4, 11 + f, 4, 8, glove);
      s.Rect(17 + f * 4, 11 + f, 1, 8, shade);
    }
    s.Rect(8, 15, 18, 10, glove);
    s.Polygon({{3, 16}, {6, 14}, {10, 19}, {10, 23}, {7, 23}}, glove);
    s.Rect(21, 19, 5, 7, shade);
    s.Rect(9, 25, 16, 2, glove);
    s.Rect(9, 27, 16, 3, Rgb(60, 110, 210));
    s.Rect(9, 27, 16, 1, Rgb(120, 170, 240));
    s.Rect(10, 4, 1, 8, kWhite);
  });
}

const bool spread = Register(form::kContestArticle, "Image1", Spread);
const bool pointer = Register(form::kContestArticle, "MouseIcon", Pointer);

}  // namespace

}  // namespace koratsu::assets
