#pragma once
// The player in the settings editor, as the scenarios play it.

namespace koratsu::testing {

// The candidate row of knowledge item `item`, or -1 when it is not listed.
int CandidateRow(int item);

// Setting k takes `item` and holds its ▲ for `ticks` ticks of the editor's timer.
void PlanSetting(int k, int item, int ticks);

}  // namespace koratsu::testing
