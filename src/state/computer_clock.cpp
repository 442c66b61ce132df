#include "state/computer_clock.h"

#include <chrono>
#include <ctime>

namespace koratsu {

namespace {
const ComputerClock* installed = nullptr;
}

ComputerTime ComputerClock::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  ComputerTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.weekday = local.tm_wday + 1;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  return t;
}

double ComputerClock::Timer() const {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  double fraction = duration<double>(now.time_since_epoch()).count();
  fraction -= static_cast<double>(static_cast<long long>(fraction));
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

const ComputerClock& CurrentComputerClock() {
  static ComputerClock real;
  return installed ? *installed : real;
}

void SetComputerClock(const ComputerClock* clock) { installed = clock; }

}  // namespace koratsu
