// Requests and serial offers at noon; the rivals' day and fan letters at 14:00.

#include "clock/phases.h"

namespace koratsu {

void MagazineVisits() {}
void RivalDayAndFanLetters() {}

}  // namespace koratsu
