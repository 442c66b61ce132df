#pragma once
// The conversation window's list of lines.

#include "state/value.h"

namespace koratsu {

// Appends a line for the next conversation; a full list (33 lines) takes no more.
void AddTalkLine(const Value& text);

}  // namespace koratsu
