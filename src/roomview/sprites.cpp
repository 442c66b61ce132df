#include "roomview/sprites.h"

#include "state/game_state.h"

namespace koratsu {

namespace {

constexpr long long kSpriteSlots = 501;

// The draw list holds exactly the used slots, in ascending slot order.
void RebuildDrawList(GameState& g) {
  long long count = 0;
  for (long long slot = 0; slot < kSpriteSlots; ++slot)
    if (g.Sprite[slot].Used == 1) g.SpriteDrawList[count++] = slot;
  g.SpriteDrawCount = count;
}

}  // namespace

long long LowestFreeSpriteSlot() {
  const GameState& g = State();
  for (long long slot = 0; slot < kSpriteSlots; ++slot)
    if (g.Sprite[slot].Used == 0) return slot;
  return -1;
}

void AddSprite(const Value& x, const Value& y, const Value& srcX, const Value& srcY,
               const Value& width, const Value& height, const Value& depthOffset) {
  GameState& g = State();
  g.SpareSpriteFlag = 0;
  if (long long slot = LowestFreeSpriteSlot(); slot >= 0) {
    rec::Sprite& s = g.Sprite[slot];
    s.X = x;
    s.Y = y;
    s.SrcX = srcX;
    s.SrcY = srcY;
    s.Width = width;
    s.Height = height;
    // The slot term only orders sprites of equal y + offset: the lower slot is drawn first.
    s.Depth = y.Num() + depthOffset.Num() + static_cast<double>(slot) / 1000;
    s.Used = 1;
    g.SpriteLast = slot;
  }
  RebuildDrawList(g);
}

void RemoveSprite(const Value& slot) {
  GameState& g = State();
  g.Sprite[slot].Used = 0;
  RebuildDrawList(g);
}

}  // namespace koratsu
