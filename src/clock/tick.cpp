#include "clock/tick.h"

namespace koratsu {

void GameTick() {}
void StopKoudou() {}
void SetMinutesPerStep(const Value&) {}
std::string FormatMinutes(const Value& minutes) { return minutes.Str(); }

}  // namespace koratsu
