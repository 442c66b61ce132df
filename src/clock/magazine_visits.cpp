// Requests and serial offers at noon; the rivals' day and fan letters at 14:00.

#include "clock/phases.h"
#include "publishing/comics.h"
#include "publishing/fan_letters.h"
#include "publishing/noon_visits.h"

namespace koratsu {

void MagazineVisits() { NoonMagazineVisits(); }

void RivalDayAndFanLetters() {
  // The rivals' new series and volumes come out before the day's letters.
  UpdateRivalComics();
  FanLetterDraws();
}

}  // namespace koratsu
