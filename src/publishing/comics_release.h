#pragma once
// The day a volume of the player's comics goes on sale: the release notice
// (form::kComicsRelease) for work FormParam(47), and the first print run
// the editor reports once it has closed.

#include "state/value.h"

namespace koratsu {

// The notice's button: at the work's first volume the series joins the
// comics market; every volume makes the player better known by 0.5 and
// asks the comics ranking to redraw.
void CloseComicsRelease();

// Copies printed for a new volume selling at `rate`: 50,000 below 200,
// 100,000 below 400, 150,000 from there on.
double FirstPrintRun(const Value& rate);

}  // namespace koratsu
