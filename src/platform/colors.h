#pragma once
// Colours as the windows' designs give them: &HBBGGRR, blue in the high byte.

#include <QColor>

namespace koratsu::platform {

constexpr unsigned kHeadingBarFill = 0xFF8000;  // red 0, green 128, blue 255
constexpr unsigned kLightGrey = 0xE0E0E0;
constexpr unsigned kGrey = 0xC0C0C0;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kDarkGrey = 0x808080;

inline QColor VbColor(unsigned bbggrr) {
  return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                static_cast<int>((bbggrr >> 16) & 0xFF));
}

}  // namespace koratsu::platform
