#pragma once
// The studio's equipment, drawn standing on the floor grid: the room's
// pictures use scale 1; the purchase window's larger pictures draw the same
// machines at a larger scale.

#include "pictures/room_art.h"

namespace koratsu::assets::roomart {

// Over u0..u1 and v0..v1 of the floor, standing on height z (the copier on
// the floor, h high; the monitor h high).
void Copier(Canvas& c, double u0, double u1, double v0, double v1, double h, double s = 1);
void FaxMachine(Canvas& c, double u0, double u1, double v0, double v1, double z, double s = 1);
void Monitor(Canvas& c, double u0, double u1, double v0, double v1, double z, double h, double s = 1);
void Scanner(Canvas& c, double u0, double u1, double v0, double v1, double z, double s = 1);
void Printer(Canvas& c, double u0, double u1, double v0, double v1, double z, double s = 1);

}  // namespace koratsu::assets::roomart
