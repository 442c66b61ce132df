#pragma once
// What a work is made of, as the windows that show it read it: its target
// audience, its genre and its three settings with their points. The same
// make-up is read from a production slot (the title windows of a finished
// work and of a new serial) and from a finished work's record (its card).

#include <array>
#include <string>

#include "state/value.h"

namespace koratsu {

constexpr int kMakeupSettings = 3;
// A setting's bar stands for its points against this value, which fills its
// frame exactly; more points run past the frame.
constexpr double kSettingBarScale = 99;

struct WorkMakeup {
  std::string audience;  // the target audience's text
  std::string genre;
  // The settings' knowledge items by name ("なし" without one), and their
  // points, shown whether or not there is an item.
  std::array<std::string, kMakeupSettings> settingNames;
  std::array<Value, kMakeupSettings> settingPoints;
};

// The make-up of the work in production slot `slot`.
WorkMakeup SlotMakeup(const Value& slot);
// The make-up of finished work `work`.
WorkMakeup RecordMakeup(const Value& work);

}  // namespace koratsu
