#pragma once
// The player's request to end one of his running serials: the list of the
// serial-ending window (Form14), the editor's question and the reply window
// in its confirming mode (form::kRequestReply, FormMode(16) = 2). The mark
// of an ended serial is its bottom-placing count set to 4: the delivery of
// the episode now in production ends it.

#include <string>
#include <vector>

#include "state/value.h"

namespace koratsu {

// Fills the list of serials that can be ended: the slots whose episode of
// a running serial is in production, in slot order, those still at their
// first episode left out (their record does not exist yet). Sets
// SerialListSlot and SerialListCount and returns the titles, row by row.
std::vector<std::string> ListEndableSerials();

// Form14's 決定 for list row `row`, once the window has closed.
void EndListedSerial(int row);

// The editor asks whether the serial in production slot `slot` should
// really end, and the reply window gives the answer (EndSerialAnswer).
void EndSerialTalk(const Value& slot);

}  // namespace koratsu
