#include "state/money.h"

namespace koratsu {

void AddKingaku(const Value&) {}
std::string FormatKingaku(const Value& number) { return number.Str(); }

}  // namespace koratsu
