#include "state/shared_ops.h"

namespace koratsu {

void PlayKoukaon(const Value&) {}
std::string DateString(const Value&, const Value&, const Value&, const Value&) { return {}; }
void ClearWorkSlot(const Value&) {}
void UnloadAllForms() {}

}  // namespace koratsu
