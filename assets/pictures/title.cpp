// The title screen (Graphic/Title.bmp): the game's name, Koratsu, over a young
// artist's desk at night. A drawing board with a manuscript page, a dip pen
// and an ink bottle under a desk lamp; a window on the night town, a shelf
// of comics, crumpled drafts on the floor.
//
// The picture fills the main window's client area on the title screen; the
// window paints the space around it, if any, in the colour of its frame.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "generator/registry.h"
#include "pictures/paint.h"

namespace koratsu::assets {

namespace {

constexpr int kWidth = 568;
constexpr int kHeight = 394;

const QColor kFrame(0x1b, 0x1a, 0x2e);
const QColor kInk(0x14, 0x12, 0x1e);
const QColor kLamp(0xff, 0xe8, 0xa8);

// A small deterministic sequence, so that the picture is the same at every build.
struct Sequence {
  unsigned state;
  int Next(int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<unsigned>(n));
  }
};

void Wall(QImage& image) {
  art::VerticalGradient(image, QRect(0, 0, kWidth, 300),
                   {QColor(0x26, 0x22, 0x3c), QColor(0x33, 0x2b, 0x4a), QColor(0x45, 0x36, 0x55),
                    QColor(0x58, 0x43, 0x5c)});
  // Wallpaper stripes, a shade darker.
  for (int x = 8; x < kWidth; x += 24)
    for (int y = 0; y < 300; ++y) {
      QColor c = image.pixelColor(x, y);
      image.setPixelColor(x, y, c.darker(112));
      image.setPixelColor(x + 1, y, c.darker(106));
    }
  // Skirting board and floor boards.
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.fillRect(0, 294, kWidth, 6, QColor(0x3a, 0x24, 0x18));
  p.fillRect(0, 294, kWidth, 1, QColor(0x5a, 0x3a, 0x26));
  p.end();
  art::VerticalGradient(image, QRect(0, 300, kWidth, kHeight - 300),
                   {QColor(0x5e, 0x3a, 0x22), QColor(0x72, 0x48, 0x2a), QColor(0x84, 0x55, 0x31)});
  art::BeginPixelPainter(p, image);
  Sequence seq{7};
  for (int y = 300, h = 9; y < kHeight; y += h, h += 3) {
    p.fillRect(0, y, kWidth, 1, QColor(0x3e, 0x25, 0x15));
    for (int x = seq.Next(60); x < kWidth; x += 70 + seq.Next(90)) p.fillRect(x, y, 1, h, QColor(0x4a, 0x2d, 0x1a));
  }
  p.end();
}

void NightWindow(QImage& image) {
  QRect glass(32, 116, 116, 112);
  art::VerticalGradient(image, glass,
                        {QColor(0x0b, 0x14, 0x33), QColor(0x16, 0x24, 0x52), QColor(0x2c, 0x3a, 0x72),
                         QColor(0x4a, 0x4a, 0x82)});
  Sequence seq{31};
  for (int i = 0; i < 26; ++i) {
    int x = glass.left() + seq.Next(glass.width());
    int y = glass.top() + seq.Next(60);
    image.setPixelColor(x, y, i % 5 == 0 ? QColor(0xff, 0xf4, 0xc0) : QColor(0xb8, 0xc4, 0xf0));
  }
  QPainter p;
  art::BeginPixelPainter(p, image);
  // A crescent moon.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xf1, 0xb8));
  p.drawEllipse(QPoint(122, 140), 10, 10);
  p.setBrush(QColor(0x0f, 0x1a, 0x40));
  p.drawEllipse(QPoint(127, 137), 9, 9);
  // The town below, with lit windows.
  const int roofs[][3] = {{32, 190, 14}, {46, 176, 12}, {58, 198, 18}, {76, 168, 10}, {86, 184, 16},
                          {102, 172, 12}, {114, 194, 14}, {128, 180, 20}};
  for (const auto& r : roofs) p.fillRect(r[0], r[1], r[2], glass.bottom() - r[1] + 1, QColor(0x0a, 0x0e, 0x20));
  p.end();
  for (const auto& r : roofs)
    for (int y = r[1] + 4; y < glass.bottom() - 2; y += 6)
      for (int x = r[0] + 2; x < r[0] + r[2] - 2; x += 4)
        if (seq.Next(3) == 0) {
          image.setPixelColor(x, y, QColor(0xff, 0xd8, 0x6b));
          image.setPixelColor(x + 1, y, QColor(0xf0, 0xb8, 0x50));
        }
  art::BeginPixelPainter(p, image);
  // Frame, mullions and sill.
  QColor wood(0xc9, 0xa0, 0x6a), woodDark(0x8a, 0x60, 0x38);
  p.fillRect(28, 112, 124, 4, wood);
  p.fillRect(28, 228, 124, 4, wood);
  p.fillRect(28, 112, 4, 120, wood);
  p.fillRect(148, 112, 4, 120, wood);
  p.fillRect(88, 116, 3, 112, wood);
  p.fillRect(32, 170, 116, 3, wood);
  p.fillRect(22, 232, 136, 6, woodDark);
  p.fillRect(22, 232, 136, 1, wood);
  // Curtains with their folds.
  QColor curtain(0x8c, 0x2f, 0x3f), fold(0x6a, 0x20, 0x2e), lit(0xa8, 0x44, 0x50);
  for (int side = 0; side < 2; ++side) {
    int x0 = side == 0 ? 16 : 140;
    p.fillRect(x0, 104, 24, 140, curtain);
    for (int x = x0 + 3; x < x0 + 24; x += 6) {
      p.fillRect(x, 104, 2, 140, fold);
      p.fillRect(x + 2, 104, 1, 140, lit);
    }
  }
  p.fillRect(10, 100, 160, 5, QColor(0x5a, 0x3a, 0x22));
  p.end();
}

void Bookshelf(QImage& image) {
  QPainter p;
  art::BeginPixelPainter(p, image);
  QColor back(0x3a, 0x22, 0x16), wood(0x7a, 0x4a, 0x2a), edge(0xa0, 0x6c, 0x3e);
  p.fillRect(438, 96, 114, 200, back);
  p.fillRect(434, 92, 6, 204, wood);
  p.fillRect(550, 92, 6, 204, wood);
  const QColor spines[] = {QColor(0xd0, 0x40, 0x40), QColor(0x40, 0x70, 0xc0), QColor(0xe0, 0xb0, 0x30),
                           QColor(0x3a, 0x9a, 0x5a), QColor(0xe8, 0xe0, 0xd0), QColor(0x8a, 0x4a, 0xb0),
                           QColor(0xe0, 0x70, 0x30), QColor(0x30, 0x30, 0x40)};
  Sequence seq{99};
  for (int shelf = 0; shelf < 4; ++shelf) {
    int floorY = 140 + shelf * 50;
    int x = 442;
    while (x < 544) {
      int w = 5 + seq.Next(4);
      if (x + w > 548) break;
      int h = 30 + seq.Next(12);
      QColor c = spines[seq.Next(8)];
      if (shelf % 2 == 1 && x > 520 && x + h < 552) {
        // A volume lying on its side.
        p.fillRect(x, floorY - w, h, w, c);
        p.fillRect(x, floorY - w, h, 1, c.lighter(130));
        x += h + 1;
        continue;
      }
      p.fillRect(x, floorY - h, w, h, c);
      p.fillRect(x, floorY - h, 1, h, c.lighter(135));
      p.fillRect(x + w - 1, floorY - h, 1, h, c.darker(150));
      p.fillRect(x + 1, floorY - h + 5, w - 2, 3, c.lighter(160));
      x += w;
    }
    p.fillRect(434, floorY, 122, 5, wood);
    p.fillRect(434, floorY, 122, 1, edge);
  }
  p.fillRect(434, 92, 122, 5, wood);
  p.fillRect(434, 92, 122, 1, edge);
  p.end();
}

// A point of the manuscript page by its share of the way across (u) and down (v).
QPoint OnPage(double u, double v) {
  const double top = 160, bottom = 244;
  double left = 200 + (185 - 200) * v, right = 340 + (355 - 340) * v;
  return QPoint(static_cast<int>(std::lround(left + (right - left) * u)),
                static_cast<int>(std::lround(top + (bottom - top) * v)));
}

QPolygon PagePanel(double u0, double v0, double u1, double v1) {
  return QPolygon({OnPage(u0, v0), OnPage(u1, v0), OnPage(u1, v1), OnPage(u0, v1)});
}

void Desk(QImage& image) {
  QPainter p;
  art::BeginPixelPainter(p, image);
  QColor top(0xb0, 0x7a, 0x48), topLight(0xc8, 0x92, 0x5a), front(0x8a, 0x5a, 0x32), dark(0x5a, 0x38, 0x1e);
  // Shadow on the floor, the legs and the drawers.
  p.fillRect(104, 366, 384, 8, QColor(0x3a, 0x22, 0x14));
  p.fillRect(118, 264, 14, 104, front);
  p.fillRect(118, 264, 3, 104, topLight);
  p.fillRect(129, 264, 3, 104, dark);
  p.fillRect(380, 264, 94, 104, front);
  p.fillRect(380, 264, 94, 2, dark);
  for (int d = 0; d < 3; ++d) {
    int y = 272 + d * 32;
    p.fillRect(386, y, 82, 26, QColor(0x96, 0x64, 0x3a));
    p.fillRect(386, y, 82, 1, topLight);
    p.fillRect(386, y + 25, 82, 1, dark);
    p.fillRect(420, y + 11, 14, 4, QColor(0xe0, 0xb0, 0x50));
    p.fillRect(420, y + 14, 14, 1, QColor(0x90, 0x68, 0x20));
  }
  // The top, seen a little from above, and its front edge.
  p.setPen(Qt::NoPen);
  p.setBrush(top);
  p.drawPolygon(QPolygon({QPoint(116, 244), QPoint(476, 244), QPoint(484, 256), QPoint(108, 256)}));
  p.fillRect(116, 244, 360, 1, topLight);
  p.fillRect(108, 256, 377, 9, front);
  p.fillRect(108, 264, 377, 1, dark);
  p.end();
}

void DrawingBoard(QImage& image) {
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(Qt::NoPen);
  // The tilted board with its ledge.
  p.setBrush(QColor(0xa0, 0x88, 0x60));
  p.drawPolygon(QPolygon({QPoint(168, 250), QPoint(372, 250), QPoint(352, 146), QPoint(188, 146)}));
  p.setBrush(QColor(0xd8, 0xc8, 0xa0));
  p.drawPolygon(QPolygon({QPoint(172, 248), QPoint(368, 248), QPoint(349, 149), QPoint(191, 149)}));
  p.fillRect(166, 246, 208, 6, QColor(0x6a, 0x48, 0x2a));
  p.fillRect(166, 246, 208, 1, QColor(0x9a, 0x70, 0x48));
  // The page, whiter where the lamp falls later.
  p.setBrush(QColor(0xe8, 0xe4, 0xd6));
  p.drawPolygon(PagePanel(0, 0, 1, 1));
  p.setBrush(QColor(0xf6, 0xf3, 0xea));
  p.drawPolygon(PagePanel(0, 0.12, 1, 1));
  // Panel borders inked, the rest still in blue pencil.
  QPen border(kInk, 1);
  p.setBrush(Qt::NoBrush);
  p.setPen(border);
  p.drawPolygon(PagePanel(0.07, 0.06, 0.93, 0.34));
  p.drawPolygon(PagePanel(0.07, 0.39, 0.47, 0.68));
  p.drawPolygon(PagePanel(0.53, 0.39, 0.93, 0.68));
  p.drawPolygon(PagePanel(0.07, 0.73, 0.93, 0.95));
  QPen pencil(QColor(0x78, 0x9c, 0xd8), 1);
  p.setPen(pencil);
  // First panel: a face in pencil, looking out at the reader.
  QPoint face = OnPage(0.32, 0.2);
  p.drawEllipse(face, 9, 8);
  p.drawLine(face + QPoint(-9, -2), face + QPoint(-3, -9));
  p.drawLine(face + QPoint(-3, -9), face + QPoint(6, -8));
  p.drawLine(face + QPoint(6, -8), face + QPoint(10, -1));
  p.setPen(border);
  p.drawPoint(face + QPoint(-3, 0));
  p.drawPoint(face + QPoint(3, 0));
  p.drawLine(face + QPoint(-2, 4), face + QPoint(2, 4));
  // A speech balloon beside it.
  QPoint talk = OnPage(0.68, 0.18);
  p.setBrush(QColor(0xff, 0xff, 0xff));
  p.drawEllipse(talk, 14, 7);
  p.drawLine(talk + QPoint(-9, 5), talk + QPoint(-15, 10));
  p.setPen(QPen(QColor(0x60, 0x60, 0x70), 1));
  for (int l = -1; l <= 1; l += 2) p.drawLine(talk + QPoint(-7, l * 2), talk + QPoint(7, l * 2));
  // Second panel: pencil figure; third: speed lines; last: a town row.
  p.setPen(pencil);
  QPoint body = OnPage(0.27, 0.55);
  p.drawEllipse(body + QPoint(0, -9), 4, 4);
  p.drawLine(body + QPoint(0, -5), body + QPoint(0, 6));
  p.drawLine(body + QPoint(0, -2), body + QPoint(-6, 3));
  p.drawLine(body + QPoint(0, -2), body + QPoint(6, -5));
  p.drawLine(body + QPoint(0, 6), body + QPoint(-4, 12));
  p.drawLine(body + QPoint(0, 6), body + QPoint(4, 12));
  p.setPen(border);
  for (int i = 0; i < 7; ++i) {
    double v = 0.43 + i * 0.035;
    p.drawLine(OnPage(0.56, v), OnPage(0.56 + 0.1 + (i % 3) * 0.08, v));
  }
  p.setPen(pencil);
  for (int i = 0; i < 6; ++i) {
    double u = 0.1 + i * 0.14;
    QPolygon house = PagePanel(u, 0.82 - (i % 3) * 0.03, u + 0.1, 0.93);
    p.drawPolygon(house);
  }
  p.end();
}

void PenAndInk(QImage& image) {
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(Qt::NoPen);
  // Ink bottle on the left of the desk.
  p.setBrush(kInk);
  p.drawRect(136, 224, 26, 22);
  p.drawRect(142, 216, 14, 8);
  p.fillRect(140, 212, 18, 5, QColor(0x2a, 0x2a, 0x38));
  p.fillRect(140, 212, 18, 1, QColor(0x5a, 0x5a, 0x70));
  p.fillRect(139, 227, 2, 16, QColor(0x5a, 0x5a, 0x7a));
  p.fillRect(143, 230, 16, 9, QColor(0xe8, 0xe0, 0xc8));
  p.fillRect(145, 232, 12, 1, QColor(0xc0, 0x30, 0x30));
  p.fillRect(145, 235, 8, 1, kInk);
  // A spare nib holder standing in a cup.
  p.fillRect(178, 228, 14, 18, QColor(0x4a, 0x6a, 0x8a));
  p.fillRect(178, 228, 14, 2, QColor(0x7a, 0x9a, 0xba));
  p.fillRect(181, 196, 3, 32, QColor(0x2a, 0x1a, 0x12));
  p.fillRect(186, 202, 3, 26, QColor(0x8a, 0x3a, 0x2a));
  p.fillRect(186, 198, 3, 4, QColor(0xc8, 0xc8, 0xd0));
  p.end();

  // The dip pen lying on the page, nib down toward the first panel.
  art::BeginPixelPainter(p, image);
  QPointF tip(262, 203), ferrule(274, 196), end(334, 162);
  p.setPen(QPen(QColor(0x2a, 0x1a, 0x12), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(ferrule, end);
  p.setPen(QPen(QColor(0x6a, 0x42, 0x2e), 1));
  p.drawLine(ferrule + QPointF(1, -2), end + QPointF(1, -2));
  p.setPen(QPen(QColor(0xa8, 0xa8, 0xb4), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(ferrule, ferrule + QPointF(8, -4.5));
  p.setPen(QPen(QColor(0xe4, 0xe4, 0xec), 2, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(tip, ferrule);
  p.setPen(QPen(kInk, 1));
  p.drawPoint(tip.toPoint());
  p.drawPoint(tip.toPoint() + QPoint(-1, 1));
  p.end();
}

void LampAndLight(QImage& image) {
  // The lamp's light on the board, the desk and the floor first, then the lamp over it.
  art::Light(image, QPolygon({QPoint(370, 156), QPoint(396, 168), QPoint(430, 256), QPoint(140, 256)}),
             QPoint(380, 160), kLamp, 0.42, 200);
  art::Light(image, QPolygon({QPoint(104, 268), QPoint(488, 268), QPoint(520, 394), QPoint(60, 394)}),
             QPoint(300, 260), kLamp, 0.12, 220);
  QPainter p;
  art::BeginPixelPainter(p, image);
  QColor metal(0x3a, 0x4a, 0x5e), metalLight(0x6a, 0x82, 0x9e), shade(0x4a, 0x6a, 0x8a);
  p.fillRect(402, 238, 36, 8, metal);
  p.fillRect(402, 238, 36, 1, metalLight);
  p.setPen(QPen(metal, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(420, 238, 432, 178);
  p.drawLine(432, 178, 402, 148);
  p.setPen(QPen(metalLight, 1));
  p.drawLine(419, 236, 431, 178);
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawPolygon(QPolygon({QPoint(396, 138), QPoint(412, 150), QPoint(398, 172), QPoint(366, 156), QPoint(380, 140)}));
  p.setBrush(shade.lighter(140));
  p.drawPolygon(QPolygon({QPoint(396, 138), QPoint(404, 144), QPoint(386, 148), QPoint(380, 140)}));
  p.setBrush(kLamp);
  p.drawPolygon(QPolygon({QPoint(368, 157), QPoint(397, 171), QPoint(394, 174), QPoint(366, 160)}));
  p.setBrush(QColor(0xff, 0xff, 0xe8));
  p.drawEllipse(QPoint(381, 164), 4, 3);
  p.end();
}

void Floor(QImage& image) {
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(Qt::NoPen);
  // A round rug under the chair's place.
  p.setBrush(QColor(0x5a, 0x2a, 0x3a));
  p.drawEllipse(QPoint(296, 360), 150, 22);
  p.setBrush(QColor(0x7a, 0x3a, 0x4a));
  p.drawEllipse(QPoint(296, 360), 140, 18);
  p.setBrush(QColor(0x8e, 0x4a, 0x58));
  p.drawEllipse(QPoint(296, 360), 116, 12);
  // A waste basket, woven.
  QColor cane(0xc8, 0x9a, 0x5a), caneDark(0x8a, 0x62, 0x32);
  p.setBrush(cane);
  p.drawPolygon(QPolygon({QPoint(40, 318), QPoint(84, 318), QPoint(78, 362), QPoint(46, 362)}));
  p.fillRect(38, 316, 48, 4, caneDark);
  p.end();
  for (int y = 322; y < 362; y += 4)
    for (int x = 44; x < 82; ++x)
      if (((x + y / 4) % 4) == 0 && image.pixelColor(x, y) == cane) image.setPixelColor(x, y, caneDark);
  // Crumpled pages of the work that did not make it.
  const std::map<char, QColor> colours = {{'w', QColor(0xf0, 0xec, 0xe0)}, {'s', QColor(0xc4, 0xbe, 0xae)},
                                          {'d', QColor(0x8a, 0x84, 0x78)}};
  const QPoint balls[] = {{48, 306}, {62, 310}, {96, 356}, {112, 368}, {506, 352}};
  for (QPoint at : balls)
    art::Stamp(image, at.x(), at.y(),
               {"....wwwws....", "..wwwswwwss..", ".wwwwwsswwwsd", "wwswwwwwwwssd", "wwwwsswwwssdd",
                "wswwwwswwwsdd", ".sswwwwwsssd.", "..sssssssdd..", "....ddddd...."},
               colours);
}

// The game's name, Koratsu, as a hand-set pixel wordmark: letters on a grid
// of cells, each cell a block of pixels, leaning forward a little.
constexpr int kCell = 5;
constexpr int kCapRows = 12;  // rows of a capital; lower case stands in the lower 8

const char* const kLetters[][kCapRows] = {
    // K
    {"XX....XX", "XX...XX.", "XX..XX..", "XX.XX...", "XXXX....", "XXX.....", "XXXX....", "XX.XX...",
     "XX..XX..", "XX...XX.", "XX....XX", "XX....XX"},
    // o
    {"", "", "", "", ".XXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", ".XXXXX."},
    // r
    {"", "", "", "", "XX.XXX", "XXXX.XX", "XXX....", "XX.....", "XX.....", "XX.....", "XX.....", "XX....."},
    // a
    {"", "", "", "", ".XXXXX.", ".....XX", ".....XX", ".XXXXXX", "XX...XX", "XX...XX", "XX..XXX", ".XXX.XX"},
    // t
    {"", ".XX...", ".XX...", ".XX...", "XXXXXX", ".XX...", ".XX...", ".XX...", ".XX...", ".XX...", ".XX..X",
     "..XXXX"},
    // s
    {"", "", "", "", ".XXXXXX", "XX.....", "XX.....", ".XXXXX.", ".....XX", ".....XX", ".....XX", "XXXXXX."},
    // u
    {"", "", "", "", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX..XXX", ".XXX.XX"},
};
constexpr int kLetterGap = 2;  // cells between letters

int LetterWidth(const char* const (&rows)[kCapRows]) {
  int width = 0;
  for (const char* row : rows) width = std::max(width, static_cast<int>(std::strlen(row)));
  return width;
}

// The wordmark's pixels, unslanted: true where a letter is.
std::vector<std::vector<bool>> WordmarkMask() {
  int cells = 0;
  for (const auto& letter : kLetters) cells += LetterWidth(letter) + kLetterGap;
  cells -= kLetterGap;
  std::vector<std::vector<bool>> mask(kCapRows * kCell, std::vector<bool>(static_cast<size_t>(cells * kCell)));
  int left = 0;
  for (const auto& letter : kLetters) {
    for (int row = 0; row < kCapRows; ++row)
      for (int col = 0; letter[row][col] != '\0'; ++col)
        if (letter[row][col] == 'X')
          for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
              mask[static_cast<size_t>(row * kCell + y)][static_cast<size_t>((left + col) * kCell + x)] = true;
    left += LetterWidth(letter) + kLetterGap;
  }
  return mask;
}

void TitleText(QImage& image) {
  const std::vector<std::vector<bool>> mask = WordmarkMask();
  const int height = static_cast<int>(mask.size());
  const int width = static_cast<int>(mask[0].size());
  // A forward lean of one pixel in four, stepped as pixel art is.
  const int lean = height / 4;
  const int left = (kWidth - width - lean) / 2;
  const int top = 22;
  auto on = [&](int x, int y) {
    if (y < 0 || y >= height) return false;
    const int ux = x - (height - 1 - y) / 4;
    return ux >= 0 && ux < width && mask[static_cast<size_t>(y)][static_cast<size_t>(ux)];
  };
  auto near = [&](int x, int y, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (dx * dx + dy * dy <= reach * reach + 1 && on(x + dx, y + dy)) return true;
    return false;
  };
  auto put = [&](int x, int y, const QColor& c) {
    if (image.rect().contains(left + x, top + y)) image.setPixelColor(left + x, top + y, c);
  };

  constexpr int kOutline = 3;
  const QPoint shadowOffset(5, 5);
  const QColor shadow(0xc8, 0x32, 0x5a);
  // The letters' face: cream at the top warming to orange at the foot, each
  // stroke lit along its upper edge and shaded along its lower one.
  const QColor cream(0xff, 0xf6, 0xe0), gold(0xff, 0xd0, 0x40), orange(0xf0, 0x88, 0x30);
  const QColor highlight(0xff, 0xff, 0xff), underside(0xc0, 0x5a, 0x20);
  const int span = kOutline + 1;
  for (int y = -span; y < height + span + shadowOffset.y(); ++y)
    for (int x = -span; x < width + lean + span + shadowOffset.x(); ++x) {
      if (on(x, y)) {
        const double t = static_cast<double>(y) / (height - 1);
        QColor face = t < 0.5 ? (art::Dither(x, y, t * 2) ? gold : cream)
                              : (art::Dither(x, y, (t - 0.5) * 2) ? orange : gold);
        if (!on(x, y - 1)) face = y < height / 2 ? highlight : cream;
        else if (!on(x, y + 1)) face = underside;
        put(x, y, face);
      } else if (near(x, y, kOutline)) {
        put(x, y, kFrame);
      } else {
        const int sx = x - shadowOffset.x(), sy = y - shadowOffset.y();
        if (near(sx, sy, kOutline)) put(x, y, shadow);
      }
    }

  // Sparkles around the name.
  const std::map<char, QColor> star = {{'y', QColor(0xff, 0xf0, 0x90)}, {'w', QColor(0xff, 0xff, 0xff)}};
  const QPoint sparkles[] = {{left - 30, top + 4}, {left + width + lean + 16, top - 6}, {left + width / 3, top - 14},
                             {left + width + lean + 4, top + height - 4}};
  for (QPoint at : sparkles)
    art::Stamp(image, at.x(), at.y(), {"...y...", "...y...", "..ywy..", "yywwwyy", "..ywy..", "...y...", "...y..."},
               star);
}

QImage Title() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(kFrame);
  Wall(image);
  NightWindow(image);
  Bookshelf(image);
  Floor(image);
  Desk(image);
  DrawingBoard(image);
  PenAndInk(image);
  LampAndLight(image);
  TitleText(image);
  // A thin frame in the colour the window paints around the picture.
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(QPen(kFrame, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, kWidth - 1, kHeight - 1);
  p.end();
  return image;
}

const bool registered = RegisterAsset("Graphic/Title.bmp", [](const QString& path) {
  return art::SaveBmp(Title(), path);
});

}  // namespace

}  // namespace koratsu::assets
