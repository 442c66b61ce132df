#include "roomview/sprites.h"

namespace koratsu {

void AddSprite(const Value&, const Value&, const Value&, const Value&, const Value&, const Value&,
               const Value&) {}
void RemoveSprite(const Value&) {}

}  // namespace koratsu
