#pragma once
// The comics market: the comics table and the rival roster.

#include "state/value.h"

namespace koratsu {

void AddComic(const Value& title, const Value& author, const Value& popularity,
              const Value& volumes, const Value& finalVolume, const Value& copies);
// AddComic that tells where the series went: its row, or -1 when the table was
// full and nothing was written (a caller that fills in the row must check).
long long AddComicRow(const Value& title, const Value& author, const Value& popularity,
                      const Value& volumes, const Value& finalVolume, const Value& copies);
// The rivals' daily run: new series due today, new volumes of running ones.
void UpdateRivalComics();
void AdvanceRivalComic(const Value& row);

// The fixed roster of rival works, by rival number 0 .. RivalRosterSize() - 1.
int RivalRosterSize();
const char* RivalRosterTitle(int rival);

}  // namespace koratsu
