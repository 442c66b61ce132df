#pragma once
// The hero of the player's manga, as the covers, the television, the cards
// and the figure show him: spiky hair under a red headband, a blue jacket.

#include <QImage>

#include "pictures/scene_kit.h"

namespace koratsu::assets::kit {

struct HeroLook {
  Color hair, band, jacket, skin, eyes;
};

constexpr HeroLook kHero = {Rgb(52, 44, 70), Rgb(222, 44, 52), Rgb(46, 102, 196), Rgb(250, 214, 176),
                            Rgb(60, 120, 200)};

// The hero from the chest up, filling width × height, outlined in ink on a
// transparent ground; `mirrored` turns him to face the other way.
QImage HeroBust(int width, int height, const HeroLook& look = kHero, bool mirrored = false);

}  // namespace koratsu::assets::kit
