#include "state/list_fit.h"

#include "state/value.h"

namespace koratsu {

namespace {

// Room below the list's last row, so that it clears the viewport's border.
constexpr int kPastTheEnd = 4;

}  // namespace

double SnapListHeight(double twips, double lowest, double snapped) { return twips <= lowest ? snapped : twips; }

int HalfToEven(int n) { return static_cast<int>(Value(n / 2.0).Index()); }

std::optional<ScrollRange> ListScrollRange(int listHeight, int viewportHeight, std::optional<int> step) {
  if (listHeight <= viewportHeight) return std::nullopt;
  const int page = HalfToEven(listHeight);
  return ScrollRange{listHeight - viewportHeight + kPastTheEnd, page, step.value_or(HalfToEven(page))};
}

}  // namespace koratsu
