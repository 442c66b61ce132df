#pragma once
// The computer's clock, as the world set-up reads it. Tests install a fixed one.

namespace koratsu {

struct ComputerTime {
  int year = 1970;
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int weekday = 1;  // 1 Sunday .. 7 Saturday
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class ComputerClock {
 public:
  virtual ~ComputerClock() = default;
  virtual ComputerTime Now() const;
  // Seconds since midnight, with fractions; seeds the random generator.
  virtual double Timer() const;
};

// A clock that always shows the same moment.
class FixedClock : public ComputerClock {
 public:
  explicit FixedClock(ComputerTime time, double timer = 0) : time_(time), timer_(timer) {}
  ComputerTime Now() const override { return time_; }
  double Timer() const override { return timer_; }
  void Set(ComputerTime time) { time_ = time; }

 private:
  ComputerTime time_;
  double timer_;
};

const ComputerClock& CurrentComputerClock();
// Installs another clock; nullptr restores the real one. The caller keeps ownership.
void SetComputerClock(const ComputerClock* clock);

}  // namespace koratsu
