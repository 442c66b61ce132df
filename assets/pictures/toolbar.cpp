// The toolbar's 21 buttons (23 × 22): a raised grey button with a small
// picture of its command, and the same button pressed in, its picture one
// pixel down and to the right. Stored with the main window as BSave(3k + 1)
// (normal) and BSave(3k + 2) (pressed).

#include <functional>
#include <vector>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

constexpr int kWidth = 23;
constexpr int kHeight = 22;

const std::map<char, QColor>& Palette() {
  static const std::map<char, QColor> colours = {
      {'k', QColor(0x18, 0x18, 0x20)}, {'w', QColor(0xff, 0xff, 0xff)}, {'g', QColor(0xc8, 0xc8, 0xd0)},
      {'d', QColor(0x70, 0x70, 0x78)}, {'b', QColor(0x30, 0x60, 0xd0)}, {'B', QColor(0x1c, 0x34, 0x88)},
      {'l', QColor(0x88, 0xb4, 0xf4)}, {'y', QColor(0xf8, 0xd8, 0x40)}, {'Y', QColor(0xc8, 0x94, 0x20)},
      {'o', QColor(0xf0, 0x90, 0x30)}, {'r', QColor(0xe0, 0x34, 0x30)}, {'R', QColor(0x90, 0x18, 0x18)},
      {'n', QColor(0xb0, 0x74, 0x38)}, {'N', QColor(0x68, 0x3c, 0x1a)}, {'G', QColor(0x48, 0xb8, 0x48)},
      {'e', QColor(0x20, 0x74, 0x2c)}, {'s', QColor(0xf8, 0xcc, 0x9c)}, {'p', QColor(0xff, 0xf4, 0xdc)},
      {'h', QColor(0x48, 0x2c, 0x1c)}, {'c', QColor(0x58, 0xd0, 0xe8)},
  };
  return colours;
}

using Rows = std::initializer_list<const char*>;

// A picture of up to 16 × 16 pixels from rows of the palette's letters.
QImage Picture(Rows rows) { return art::PictureFromRows(16, 16, rows, Palette()); }

void Add(QImage& image, Rows rows, int x, int y) { art::Stamp(image, x, y, rows, Palette()); }

// A round picture filled with the palette's `fill` and outlined, on which
// `more` may go on painting with the same painter.
QImage Disc(char fill, const std::function<void(QPainter&)>& more = {}) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p;
  art::BeginPixelPainter(p, image);
  const auto& c = Palette();
  p.setPen(c.at('k'));
  p.setBrush(c.at(fill));
  p.drawEllipse(0, 0, 15, 15);
  if (more) more(p);
  p.end();
  return image;
}

// ---------------------------------------------------------------- the pictures

QImage Floppy() {
  return Picture({
      "kkkkkkkkkkkkkkk.",
      "klbkwwwwwwwwkbbk",
      "klbkwddddddwkbbk",
      "klbkwwwwwwwwkbbk",
      "klbkwddddddwkbbk",
      "klbkwwwwwwwwkbbk",
      "klbbkkkkkkkkbbbk",
      "klbbbbbbbbbbbbbk",
      "klbbbbbbbbbbbbbk",
      "klbbkkkkkkkkbbbk",
      "klbkggggkkgggkbk",
      "klbkggggkkgggkbk",
      "klbkggggkkgggkbk",
      "kBbkggggggggdkBk",
      "kBBkkkkkkkkkkkBk",
      "kkkkkkkkkkkkkkkk",
  });
}

QImage OpenFolder() {
  return Picture({
      "................",
      ".kkkkk..........",
      "kYYYYYk.........",
      "kYYYYYYkkkkkkk..",
      "kYYYYYYYYYYYYYk.",
      "kYYYYYYYYYYYYYk.",
      "kYYYkkkkkkkkkkkk",
      "kYYkyywyyyyyyyyk",
      "kYYkywyyyyyyyyk.",
      "kYkyyyyyyyyyyyk.",
      "kYkyyyyyyyyyyk..",
      "kkyyyyyyyyyyyk..",
      "kkyyyyyyyyyyk...",
      "kyyyyyyyyyyyk...",
      "kkkkkkkkkkkkk...",
      "................",
  });
}

QImage Clock() {
  return Picture({
      "....kkkkkkkk....",
      "..kkbbbbbbbbkk..",
      ".kbbwwwwkwwwbbk.",
      ".kbwwwwwkwwwwbk.",
      "kbwwwwwwkwwwwwbk",
      "kbwwwwwwkwwwwwbk",
      "kbwwwwwwkwwwwwbk",
      "kbkwwwwwrkkkkwbk",
      "kbwwwwwwwwwwwwbk",
      "kbwwwwwwwwwwwwbk",
      "kbwwwwwwwwwwwwbk",
      ".kbwwwwwkwwwwbk.",
      ".kbbwwwwwwwwbbk.",
      "..kkbbbbbbbbkk..",
      "...kk......kk...",
      "..kk........kk..",
  });
}

QImage Shoe() {
  return Picture({
      "................",
      "................",
      "....kkkkk.......",
      "...krrrrrk......",
      "...krwwrrk......",
      "...krrwrrk......",
      "...krrrwrrk.....",
      "...krrrrwrrkk...",
      "..krrrrrrwrrrkk.",
      "..krrrrrrrrrrrrk",
      "..kRRRRRRrrrrrrk",
      "..kwwwwwwwwwwwwk",
      "..kggggggggggggk",
      "...kkkkkkkkkkkk.",
      "................",
      "................",
  });
}

QImage Coin() {
  QImage image = Picture({
      "....kkkkkkkk....",
      "..kkyyyyyyyykk..",
      ".kyyyYYYYYYyyyk.",
      ".kyyYyyyyyyYyyk.",
      "kyyYyyyyyyyyYyyk",
      "kyyYyyyyyyyyYyyk",
      "kyyYyyyyyyyyYyyk",
      "kyyYyyyyyyyyYyyk",
      "kyyYyyyyyyyyYyyk",
      "kyyYyyyyyyyyYyyk",
      "kyyYyyyyyyyyYyyk",
      ".kyyYyyyyyyYyyk.",
      ".kyyyYYYYYYyyyk.",
      "..kkyyyyyyyykk..",
      "....kkkkkkkk....",
      "................",
  });
  Add(image, {"N.....N", ".N...N.", "..N.N..", "NNNNNNN", "...N...", "NNNNNNN", "...N...", "...N..."}, 4, 3);
  return image;
}

QImage Dumbbell() {
  return Picture({
      "................",
      "................",
      ".kkk........kkk.",
      "kdgdk......kdgdk",
      "kdgdk......kdgdk",
      "kdgdkk....kkdgdk",
      "kdgdgdk..kdgdgdk",
      "kdgdgdkkkkdgdgdk",
      "kdgdgdgwggdgdgdk",
      "kdgdgdkkkkdgdgdk",
      "kdgdgdk..kdgdgdk",
      "kdgdkk....kkdgdk",
      "kdgdk......kdgdk",
      "kdddk......kdddk",
      ".kkk........kkk.",
      "................",
  });
}

QImage PageAndPen() {
  return Picture({
      "kkkkkkkkkkk.....",
      "kppppppppppk..kk",
      "kpkkkkkkkkpk.knk",
      "kpkwwwwwwkpkknnk",
      "kpkwwkwwwkpknnk.",
      "kpkkkkkkkkpknnk.",
      "kpppppppppknnk..",
      "kpkkkkpkkknnk...",
      "kpkwwkpkwnnkk...",
      "kpkwwkpkwnk.....",
      "kpkwwkpkkdk.....",
      "kpkkkkpkdkk.....",
      "kppppppdkppk....",
      "kppppppppppk....",
      "kkkkkkkkkkkk....",
      "................",
  });
}

QImage Calendar() {
  return Picture({
      "...k......k.....",
      "..kwk....kwk....",
      "kkkwkkkkkkwkkkkk",
      "krrkrrrrrrkrrrrk",
      "krrrrrrrrrrrrrrk",
      "kRRRRRRRRRRRRRRk",
      "kwwwwwwwwwwwwwwk",
      "kwdwdwdwdwdwdwwk",
      "kwwwwwwwwwwwwwwk",
      "kwdwdwdwrrrwdwwk",
      "kwwwwwwwrrrwwwwk",
      "kwdwdwdwdwdwdwwk",
      "kwwwwwwwwwwwwwwk",
      "kwdwdwdwdwdwwwgk",
      "kggggggggggggggk",
      "kkkkkkkkkkkkkkkk",
  });
}

QImage Envelope() {
  return Picture({
      "................",
      "................",
      "kkkkkkkkkkkkkkkk",
      "kkwwwwwwwwwwwwkk",
      "kwkwwwwwwwwwwkwk",
      "kwwkwwwwwwwwkwwk",
      "kwwwkwwwwwwkwwwk",
      "kwwwwkwwwwkwwwwk",
      "kwwwwwkrrkwwwwwk",
      "kwwwwkwkRkkwwwwk",
      "kwwwkwwwwwwkwwwk",
      "kwwkwwwwwwwwkwwk",
      "kwkwwwwwwwwwwkgk",
      "kkkkkkkkkkkkkkkk",
      "................",
      "................",
  });
}

QImage Briefcase() {
  return Picture({
      "................",
      "................",
      ".....kkkkkk.....",
      "....kNkkkkNk....",
      "....kNk..kNk....",
      "kkkkkkkkkkkkkkkk",
      "knnnnnnnnnnnnnnk",
      "knwnnnnnnnnnnnnk",
      "knnnnnnkkknnnnnk",
      "kNNNNNNkykNNNNNk",
      "knnnnnnkkknnnnnk",
      "knnnnnnnnnnnnnnk",
      "knnnnnnnnnnnnnnk",
      "kNNNNNNNNNNNNNNk",
      "kkkkkkkkkkkkkkkk",
      "................",
  });
}

QImage Computer() {
  return Picture({
      "..kkkkkkkkkkkk..",
      "..kggggggggggk..",
      "..kgkkkkkkkkgk..",
      "..kgkbbbbbbkgk..",
      "..kgkblbbbbkgk..",
      "..kgkbbbbbbkgk..",
      "..kgkbbbbbbkgk..",
      "..kgkkkkkkkkgk..",
      "..kgggggggGggk..",
      "..kkkkkkkkkkkk..",
      "......kddk......",
      "....kkkkkkkk....",
      "kkkkkkkkkkkkkkkk",
      "kgwgwgwgwgwgwgwk",
      "kggggggggggggggk",
      "kkkkkkkkkkkkkkkk",
  });
}

QImage Person() {
  return Picture({
      "...kkkkk........",
      "..khhhhhk.......",
      ".khhhhhhhk......",
      ".khsssssshk.....",
      ".kskssskssk.....",
      ".kssssssssk.....",
      "..kssRRssk......",
      "...kssssk.......",
      "..kkkbbkkk......",
      ".kbbbbbbbbk.....",
      "kbbbblbbbbbk....",
      "kbbbblbbbbbk....",
      "kbkbblbbbkbk....",
      "kskbbbbbbksk....",
      "kkkbbbbbbkkk....",
      "..kkkkkkkk......",
  });
}

QImage Hire() {
  QImage image = Person();
  Add(image, {"..kkk..", "..kGk..", "kkkGkkk", "kGGGGGk", "kkkGkkk", "..kGk..", "..kkk.."}, 9, 0);
  return image;
}

QImage Dismiss() {
  QImage image = Person();
  Add(image, {"kk...kk", "krk.krk", ".krkrk.", "..krk..", ".krkrk.", "krk.krk", "kk...kk"}, 9, 0);
  return image;
}

QImage House() {
  return Picture({
      ".......kk...kkk.",
      "......krrk..kdk.",
      ".....krrrrk.kdk.",
      "....krrrrrrkkdk.",
      "...krrrrrrrrkdk.",
      "..krrrrrrrrrrkk.",
      ".krrrrrrrrrrrrk.",
      "kkRRRRRRRRRRRRkk",
      ".kppppppppppppk.",
      ".kpkkkkpppkkkpk.",
      ".kpklckpppknkpk.",
      ".kpkcckpppknkpk.",
      ".kpkkkkpppkykpk.",
      ".kpppppppppknkpk.",
      ".kppppppppknkpk.",
      "kkkkkkkkkkkkkkkk",
  });
}

QImage Books() {
  return Picture({
      "..kkkkkkkkkkkk..",
      "..kbbbbbbbbbbwk.",
      "..kBBBBBBBBBBwk.",
      "..kkkkkkkkkkkkk.",
      ".kkkkkkkkkkkk...",
      ".krrrrrrrrrrwk..",
      ".kRRRRRRRRRRwk..",
      ".kkkkkkkkkkkkk..",
      "...kkkkkkkkkkkk.",
      "...kGGGGGGGGGGwk",
      "...keeeeeeeeeewk",
      "...kkkkkkkkkkkkk",
      ".kkkkkkkkkkkk...",
      ".kyyyyyyyyyywk..",
      ".kYYYYYYYYYYwk..",
      ".kkkkkkkkkkkkk..",
  });
}

QImage Completion() {
  return Disc('w', [](QPainter& p) {
    const auto& c = Palette();
    p.setBrush(c.at('G'));
    p.drawPie(0, 0, 15, 15, 90 * 16, 270 * 16);  // three quarters done
    p.setPen(c.at('e'));
    p.drawArc(2, 2, 11, 11, 200 * 16, 90 * 16);
  });
}

QImage LightBulb() {
  return Picture({
      "k....kkkkk....k.",
      ".k.kkyyyyykk.k..",
      "...kyywyyyyyk...",
      "..kywwyyyyyyyk..",
      "..kywyyyyyyyyk..",
      "kkkyyyyyyyyyykkk",
      "..kyyyyyyyyyyk..",
      "..kyyyyyyyyyYk..",
      "...kyyyyyyyYk...",
      "...kyyyyyyyYk...",
      "....kkkkkkkk....",
      "....kggggggk....",
      "....kddddddk....",
      "....kggggggk....",
      ".....kddddk.....",
      "......kkkk......",
  });
}

QImage BarChart() {
  return Picture({
      "..........kkkk..",
      "..........kyyk..",
      "..........kyYk..",
      "..........kyYk..",
      "......kkkkkyYk..",
      "......krrkkyYk..",
      "......krRkkyYk..",
      "......krRkkyYk..",
      "..kkkkkrRkkyYk..",
      "..kbbkkrRkkyYk..",
      "..kbBkkrRkkyYk..",
      "..kbBkkrRkkyYk..",
      "k.kbBkkrRkkyYk..",
      "k.kbBkkrRkkyYk..",
      "kkkkkkkkkkkkkkkk",
      "................",
  });
}

QImage MoneyBag() {
  QImage image = Picture({
      ".....kkkkkk.....",
      "......knnk......",
      ".....kNNNNk.....",
      "......knnk......",
      "....kknnnnkk....",
      "...knnnnnnnnk...",
      "..knwnnnnnnnnk..",
      ".knwnnnnnnnnnnk.",
      ".knnnnnnnnnnnnk.",
      "knnnnnnnnnnnnnnk",
      "knnnnnnnnnnnnnnk",
      "knnnnnnnnnnnnnNk",
      "knnnnnnnnnnnnnNk",
      ".knnnnnnnnnnnNk.",
      "..kkkkkkkkkkkk..",
      "................",
  });
  Add(image, {"y...y", ".y.y.", "yyyyy", "..y..", "yyyyy", "..y.."}, 6, 7);
  return image;
}

QImage Trophy() {
  return Picture({
      "..kkkkkkkkkkkk..",
      "kkkyywyyyyyyYkkk",
      "kyykywyyyyyyYkyk",
      "kykkywyyyyyyYkyk",
      "kyk.kywyyyyYkkyk",
      ".kyykywyyyyYkyk.",
      "..kkkyyyyyyYkk..",
      "....kkyyyyYkk...",
      "......kyYk......",
      "......kyYk......",
      ".....kkyYkk.....",
      "....kyyyyyYk....",
      "...kkkkkkkkkk...",
      "...kNnnnnnnNk...",
      "...kNNNNNNNNk...",
      "...kkkkkkkkkk...",
  });
}

QImage Help() {
  QImage image = Disc('b');
  Add(image, {"..ll.", ".l..l", "....l", "...l.", "..w..", "..w..", ".....", "..w..", "..w.."}, 6, 3);
  Add(image, {".wwww.", "ww..ww", "....ww", "...ww.", "..ww..", "..ww..", "......", "..ww..", "..ww.."}, 5, 3);
  return image;
}

// ---------------------------------------------------------------- the buttons

const QColor kFace(0xd8, 0xd4, 0xcc);
const QColor kPressedFace(0xcc, 0xc8, 0xc0);
const QColor kHighlight(0xff, 0xff, 0xff);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kDark(0x30, 0x30, 0x30);

QImage Button(const QImage& picture, bool pressed) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32);
  image.fill(pressed ? kPressedFace : kFace);
  QPainter p;
  art::BeginPixelPainter(p, image);
  const int right = kWidth - 1;
  const int bottom = kHeight - 1;
  if (pressed) {
    // Pushed in: dark above and to the left, light below and to the right;
    // the face is dithered a little darker, as a button held down is.
    for (int y = 2; y < bottom; ++y)
      for (int x = 2; x < right; ++x)
        if ((x + y) % 2 == 0) image.setPixelColor(x, y, kFace);
    p.fillRect(0, 0, kWidth, 1, kDark);
    p.fillRect(0, 0, 1, kHeight, kDark);
    p.fillRect(1, 1, kWidth - 2, 1, kShadow);
    p.fillRect(1, 1, 1, kHeight - 2, kShadow);
    p.fillRect(0, bottom, kWidth, 1, kHighlight);
    p.fillRect(right, 0, 1, kHeight, kHighlight);
  } else {
    p.fillRect(0, 0, kWidth, 1, kHighlight);
    p.fillRect(0, 0, 1, kHeight, kHighlight);
    p.fillRect(1, bottom - 1, kWidth - 2, 1, kShadow);
    p.fillRect(right - 1, 1, 1, kHeight - 2, kShadow);
    p.fillRect(0, bottom, kWidth, 1, kDark);
    p.fillRect(right, 0, 1, kHeight, kDark);
  }
  const int offset = pressed ? 1 : 0;
  p.drawImage(3 + offset, 3 + offset, picture);
  p.end();
  return image;
}

struct Icon {
  int index;  // the visible button's BSave index
  QImage (*draw)();
};

const Icon kIcons[] = {
    {0, Floppy},      {33, OpenFolder}, {18, Clock},     {15, Shoe},       {21, Coin},     {24, Dumbbell},
    {3, PageAndPen},  {6, Calendar},    {27, Envelope},  {30, Briefcase},  {42, Computer}, {51, Hire},
    {54, Dismiss},    {57, House},      {12, Books},     {9, Completion},  {39, LightBulb}, {45, BarChart},
    {48, MoneyBag},   {60, Trophy},     {36, Help},
};

std::string StorePath(int index) { return form::PicturePath(form::kMDIForm1, "BSave(" + std::to_string(index) + ")"); }

const bool registered = [] {
  for (const Icon& icon : kIcons) {
    for (bool pressed : {false, true}) {
      int store = icon.index + (pressed ? 2 : 1);
      RegisterAsset(StorePath(store), [draw = icon.draw, pressed](const QString& path) {
        return art::SavePng(Button(draw(), pressed), path);
      });
    }
  }
  return true;
}();

}  // namespace

}  // namespace koratsu::assets
