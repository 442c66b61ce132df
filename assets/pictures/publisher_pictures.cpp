// The friendship window's small pictures after the publishers' names
// (16 × 16): each publisher's office building, in its own colour.

#include <string>

#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr Color kColours[] = {Rgb(214, 44, 52), Rgb(46, 102, 196), Rgb(60, 160, 90), Rgb(236, 150, 40),
                              Rgb(150, 80, 190)};

QImage Building(Color colour) {
  return Outlined(16, 16, [colour](Scene& s) {
    s.Block(3, 3, 10, 12, Rgb(214, 220, 232));
    s.Rect(12, 4, 1, 11, Rgb(160, 168, 186));
    s.Block(2, 1, 12, 3, colour);
    for (int y = 5; y < 12; y += 3)
      for (int x = 4; x < 12; x += 3) s.Rect(x, y, 2, 2, Rgb(90, 140, 200));
    s.Plot(4, 5, Rgb(200, 230, 250));
    s.Rect(7, 12, 2, 3, Shade(colour, 0.7));
  });
}

bool RegisterAll() {
  for (int i = 0; i < 5; ++i)
    Register(form::kFriendship, "Image1(" + std::to_string(i) + ")", [i] { return Building(kColours[i]); });
  return true;
}

const bool registered = RegisterAll();

}  // namespace

}  // namespace koratsu::assets
