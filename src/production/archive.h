#pragma once
// The archive of finished works: which detail panel shows a work, the
// window's height rules and scroll range, what its list keeps when it is
// filled again, and the double-click that opens a work's card.

#include "state/value.h"

namespace koratsu {

// The detail panels, as FormParam(11) names the one shown.
constexpr int kNoPanel = -1;
constexpr int kSerialPanel = 0;
constexpr int kOneShotPanel = 1;
constexpr int kOwnWorkPanel = 2;

// The panel for a work in state `state`: serials (7, 8), requested one-shots
// (5, 10, 11) and own works (1, 2, 9); kNoPanel for any other state.
int PanelForState(const Value& state);

// The window's one width and the least height the desktop lets it take, in
// pixels; the least height its own fit allows, in twips.
constexpr int kArchiveWidth = 428;
constexpr int kArchiveMinTrackHeight = 86;
constexpr int kArchiveMinHeight = 1300;
// A window this wide or wider at its load is narrowed to kArchiveLoadWidth (twips).
constexpr int kArchiveWideAtLoad = 6375;
constexpr int kArchiveLoadWidth = 6374;

// The height fit: the window's height in twips, never below kArchiveMinHeight.
double FitArchiveHeight(double heightTwips);
// The list's height, and so the viewport's and the scroll bar's, for the
// window's inner height (pixels): 8 pixels short of the bottom.
int ArchiveListHeight(int innerHeight);

// The scroll bar for a shown panel in the viewport. A panel that fits gives
// the maximum 0 and leaves the steps alone.
struct ArchiveScrollRange {
  int maximum = 0;
  bool setsSteps = false;
  int largeChange = 0;  // half the panel, halves to the even neighbour
  int smallChange = 0;  // one volume row
};
ArchiveScrollRange ScrollRangeFor(int panelHeight, int viewportHeight);

// Filling the list again keeps the selected row and the scroll value
// (MangaArchiveScroll, not saved with the game). The row to select
// afterwards is the remembered one, or row 0 when none was selected; -1
// with an empty list.
void RememberArchiveScroll(int scroll);
int RememberedArchiveScroll();
int RowAfterRefill(int rememberedRow, int rowCount);

// The double-click on row `row`: work `row`'s card, shown modally. Nothing
// opens for a row that is no work.
void OpenWorkCard(int row);

}  // namespace koratsu
