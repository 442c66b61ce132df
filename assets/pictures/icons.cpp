// Pictures stored with windows: the message boxes' two icons (a blue "?"
// and a blue "i" in a white speech balloon, 32 × 32) and the program's icon,
// a framed sign reading 漫画.

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

const QColor kOutline(0x10, 0x10, 0x18);
const QColor kBalloon(0xff, 0xff, 0xff);
const QColor kBalloonShade(0xc0, 0xc8, 0xd8);
const QColor kBlue(0x10, 0x3c, 0xc8);
const QColor kBlueLight(0x4a, 0x7a, 0xf0);

QImage Balloon() {
  const std::map<char, QColor> colours = {{'k', kOutline}, {'w', kBalloon}, {'s', kBalloonShade}};
  return art::PictureFromRows(32, 32,
                              {"........kkkkkkkkkkkkkk..........",
                               ".....kkkwwwwwwwwwwwwwwkkk.......",
                               "...kkwwwwwwwwwwwwwwwwwwwwkk.....",
                               "..kwwwwwwwwwwwwwwwwwwwwwwwwk....",
                               ".kwwwwwwwwwwwwwwwwwwwwwwwwwwk...",
                               ".kwwwwwwwwwwwwwwwwwwwwwwwwwwk...",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwwsk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwssk..",
                               "kwwwwwwwwwwwwwwwwwwwwwwwwwwssk..",
                               ".kwwwwwwwwwwwwwwwwwwwwwwwwssk...",
                               ".kwwwwwwwwwwwwwwwwwwwwwwwwssk...",
                               "..kwwwwwwwwwwwwwwwwwwwwwsssk....",
                               "...kkwwwwwwwwwwwwwwwwsssskk.....",
                               ".....kkkwwwwwwwwwssssskkk.......",
                               "......kwwwwkkkkkkkkkkkk.........",
                               "......kwwwk.....................",
                               ".....kwwwk......................",
                               ".....kwwk.......................",
                               "....kwwk........................",
                               "....kwk.........................",
                               "...kwk..........................",
                               "...kk...........................",
                               "................................"},
                              colours);
}

// The balloon with a blue character in it, `left` pixels from its left edge.
QImage BalloonWith(int left, std::initializer_list<const char*> character) {
  QImage image = Balloon();
  const std::map<char, QColor> colours = {{'b', kBlue}, {'l', kBlueLight}};
  art::Stamp(image, left, 3, character, colours);
  return image;
}

QImage QuestionIcon() {
  return BalloonWith(9, {"...llbbbb...", "..lbbbbbbbb.", ".lbbb...bbbb", ".bbb.....bbb", ".........bbb", "........bbbb",
                         ".......bbbb.", "......bbbb..", ".....lbbb...", ".....bbb....", ".....bbb....", "............",
                         ".....lbb....", ".....bbb....", ".....bbb...."});
}

QImage InformationIcon() {
  return BalloonWith(11, {"...lbb...", "...bbbb..", "...bbb...", ".........", ".lbbbbb..", "...bbbb..", "...bbbb..",
                          "...bbbb..", "...bbbb..", "...bbbb..", "...bbbb..", "...bbbb..", "..lbbbbb.", ".bbbbbbbb"});
}

QImage ProgramIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p;
  art::BeginPixelPainter(p, image);
  // An upright wooden sign with a bevelled frame and a cream board, the
  // two characters one above the other as on a shop sign.
  QColor dark(0x5a, 0x30, 0x16), wood(0xb0, 0x70, 0x38), light(0xe0, 0xa0, 0x60);
  p.fillRect(6, 0, 20, 32, dark);
  p.fillRect(7, 1, 18, 30, wood);
  p.fillRect(7, 1, 18, 1, light);
  p.fillRect(7, 1, 1, 30, light);
  p.fillRect(8, 3, 16, 26, dark);
  p.fillRect(9, 4, 14, 24, QColor(0xff, 0xf4, 0xdc));
  p.end();
  // The two characters drawn by hand: a font at this size loses their strokes.
  const std::map<char, QColor> red = {{'#', QColor(0xc0, 0x10, 0x24)}};
  art::Stamp(image, 10, 5,
             {"....#######.", "#...#.....#.", ".#..#######.", "....#.....#.", "#...#######.", ".#.#########",
              "...#..#.#..#", "...#########", "..#.#######.", "..#...#...#.", ".#.....###..", "#..###...###"},
             red);
  art::Stamp(image, 10, 18,
             {"############", "............", "#..#######.#", "#..#..#..#.#", "#..#######.#", "#..#..#..#.#",
              "#..#######.#", "#..........#", "############"},
             red);
  return image;
}

const bool question = RegisterAsset(form::PicturePath(form::kYesNo, "Image1"), [](const QString& path) {
  return art::SavePng(QuestionIcon(), path);
});
const bool information = RegisterAsset(form::PicturePath(form::kMessage, "Image1"), [](const QString& path) {
  return art::SavePng(InformationIcon(), path);
});
const bool icon = RegisterAsset(form::PicturePath(form::kMDIForm1, "Icon"), [](const QString& path) {
  return art::SavePng(ProgramIcon(), path);
});

}  // namespace

}  // namespace koratsu::assets
