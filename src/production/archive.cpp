#include "production/archive.h"

#include <algorithm>
#include <cmath>

#include "production/work_record.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kListMargin = 40;      // the list's top (32) and 8 pixels below it
constexpr int kVolumeRowStep = 14;   // the scroll bar's small change: one volume row
constexpr int kViewportBorders = 4;  // lets the panel's last row clear the viewport's border

}  // namespace

int PanelForState(const Value& state) {
  using namespace manga_state;
  if (state == kSerialRunning || state == kSerialEnded) return kSerialPanel;
  if (state == kUnsent || state == kSent || state == kTaken) return kOwnWorkPanel;
  if (state == kRequestDelivered || state == kRequestAccepted || state == kRequestRejected) return kOneShotPanel;
  return kNoPanel;
}

double FitArchiveHeight(double heightTwips) { return std::max(heightTwips, static_cast<double>(kArchiveMinHeight)); }

int ArchiveListHeight(int innerHeight) { return std::max(0, innerHeight - kListMargin); }

ArchiveScrollRange ScrollRangeFor(int panelHeight, int viewportHeight) {
  const int beyond = panelHeight - viewportHeight;
  if (beyond <= 0) return {};
  return {.maximum = beyond + kViewportBorders,
          .setsSteps = true,
          .largeChange = static_cast<int>(std::lrint(panelHeight / 2.0)),
          .smallChange = kVolumeRowStep};
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
