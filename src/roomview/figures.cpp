#include "roomview/figures.h"

namespace koratsu {

void AddPerson(const Value&, const Value&, const Value&) {}

}  // namespace koratsu
