#include "production/archive.h"

#include <algorithm>
#include <optional>

#include "production/work_record.h"
#include "state/game_state.h"
#include "state/list_fit.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kListMargin = 40;      // the list's top (32) and 8 pixels below it
constexpr int kVolumeRowStep = 14;   // the scroll bar's small change: one volume row

}  // namespace

int PanelForState(const Value& state) {
  using namespace manga_state;
  if (state == kSerialRunning || state == kSerialEnded) return kSerialPanel;
  if (state == kUnsent || state == kSent || state == kTaken) return kOwnWorkPanel;
  if (state == kRequestDelivered || state == kRequestAccepted || state == kRequestRejected) return kOneShotPanel;
  return kNoPanel;
}

double FitArchiveHeight(double heightTwips) { return SnapListHeight(heightTwips, kArchiveMinHeight, kArchiveMinHeight); }

int ArchiveListHeight(int innerHeight) { return std::max(0, innerHeight - kListMargin); }

ArchiveScrollRange ScrollRangeFor(int panelHeight, int viewportHeight) {
  const std::optional<ScrollRange> range = ListScrollRange(panelHeight, viewportHeight, kVolumeRowStep);
  if (!range) return {};
  return {.maximum = range->maximum, .setsSteps = true, .largeChange = range->largeChange, .smallChange = range->smallChange};
}

void RememberArchiveScroll(int scroll) { State().MangaArchiveScroll = scroll; }

int RememberedArchiveScroll() { return static_cast<int>(State().MangaArchiveScroll.Index()); }

int RowAfterRefill(int rememberedRow, int rowCount) {
  if (rowCount <= 0) return -1;
  return rememberedRow >= 0 && rememberedRow < rowCount ? rememberedRow : 0;
}

void OpenWorkCard(int row) {
  GameState& g = State();
  if (row < 0 || row >= g.MangaCount.Index()) return;
  g.FormSlot[form::kWorkCard].Param = row;
  ui::Show(form::kWorkCard, ui::Modal);
}

}  // namespace koratsu
