// The queue of scheduled editor events: each due entry fires at its code's hour.

#include "clock/phases.h"

namespace koratsu {

void FireEditorEvents() {}

}  // namespace koratsu
