#pragma once
// The room view's sprite table.

#include "state/value.h"

namespace koratsu {

// Takes the lowest free sprite slot (SpriteLast names it); does nothing when all are used.
void AddSprite(const Value& x, const Value& y, const Value& srcX, const Value& srcY,
               const Value& width, const Value& height, const Value& depthOffset);
void RemoveSprite(const Value& slot);
// The slot the next AddSprite takes, or -1 when every slot is in use.
long long LowestFreeSpriteSlot();

}  // namespace koratsu
