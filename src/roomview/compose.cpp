#include "roomview/compose.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "state/game_state.h"

namespace koratsu {

namespace {

constexpr std::uint32_t kAlpha = 0xFF000000u;
constexpr std::uint32_t kColour = 0x00FFFFFFu;
constexpr long long kSlots = decltype(GameState::Sprite)::kCapacity;

// A sprite field as a pixel coordinate. Far-off values are pulled in to a
// range that no sum of two of them can overflow; clipping then does the rest.
long long Pixel(const Value& v) {
  double n = v.Num();
  if (!(n > -1e9)) return -1000000000LL;  // also NaN
  if (n > 1e9) return 1000000000LL;
  return std::llrint(n);  // half to even, as a coordinate passed to the blitter
}

struct Entry {
  double depth;
  int slot;
};

}  // namespace

PixelBuffer::PixelBuffer(int w, int h, std::uint32_t fill)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void BuildFrameList(int width, int height) {
  GameState& g = State();
  std::array<Entry, kSlots> entries;
  int count = 0;
  long long drawCount = std::clamp(g.SpriteDrawCount.Index(), 0LL, kSlots);
  for (long long i = 0; i < drawCount; ++i) {
    long long s = g.SpriteDrawList[i].Index();
    if (s < 0 || s >= kSlots) continue;  // a list from a damaged file: nothing to draw there
    const rec::Sprite& sp = g.Sprite[s];
    double x = sp.X.Num(), y = sp.Y.Num();
    if (-sp.Width.Num() <= x && x <= width && -sp.Height.Num() <= y && y <= height) {
      entries[static_cast<std::size_t>(count++)] = {sp.Depth.Num(), static_cast<int>(s)};
    }
  }
  // Stable: entries arrive in slot order, and equal depths are never swapped.
  for (int i = 1; i < count; ++i) {
    for (int j = i; j > 0 && entries[j - 1].depth > entries[j].depth; --j) std::swap(entries[j - 1], entries[j]);
  }
  for (int k = 0; k < count; ++k) {
    g.SpriteFrameEntry[k].Slot = entries[static_cast<std::size_t>(k)].slot;
    g.SpriteFrameEntry[k].Depth = entries[static_cast<std::size_t>(k)].depth;
  }
  g.SpriteVisibleCount = count;
}

void DrawFrameList(const PixelBuffer& room, const PixelBuffer& mask, const PixelBuffer& colour,
                   PixelBuffer& frame, int width, int height) {
  GameState& g = State();
  const int viewW = std::clamp(width, 0, frame.width);
  const int viewH = std::clamp(height, 0, frame.height);

  // Background: the room picture; what it does not cover stays black.
  for (int y = 0; y < viewH; ++y) {
    std::uint32_t* out = frame.Line(y);
    int copied = 0;
    if (y < room.height) {
      copied = std::min(viewW, room.width);
      std::copy_n(room.Line(y), copied, out);
    }
    std::fill(out + copied, out + viewW, kAlpha);
  }

  // Only where both sheets have pixels can a sprite pixel be drawn.
  const long long sheetW = std::min(mask.width, colour.width);
  const long long sheetH = std::min(mask.height, colour.height);
  const long long count = std::clamp(g.SpriteVisibleCount.Index(), 0LL, kSlots);
  for (long long k = 0; k < count; ++k) {
    long long s = g.SpriteFrameEntry[k].Slot.Index();
    if (s < 0 || s >= kSlots) continue;
    const rec::Sprite& sp = g.Sprite[s];
    const long long x = Pixel(sp.X), y = Pixel(sp.Y);
    const long long srcX = Pixel(sp.SrcX), srcY = Pixel(sp.SrcY);
    const long long w = Pixel(sp.Width), h = Pixel(sp.Height);
    // Destination columns and rows that are in the view, in the sprite and over the sheets.
    long long x0 = std::max({x, 0LL, x - srcX});
    long long x1 = std::min({x + w, static_cast<long long>(viewW), x - srcX + sheetW});
    long long y0 = std::max({y, 0LL, y - srcY});
    long long y1 = std::min({y + h, static_cast<long long>(viewH), y - srcY + sheetH});
    for (long long dy = y0; dy < y1; ++dy) {
      const int sy = static_cast<int>(srcY + dy - y);
      const std::uint32_t* m = mask.Line(sy);
      const std::uint32_t* c = colour.Line(sy);
      std::uint32_t* out = frame.Line(static_cast<int>(dy));
      for (long long dx = x0; dx < x1; ++dx) {
        const long long sx = srcX + dx - x;
        std::uint32_t d = out[dx] & (m[sx] | kAlpha);
        out[dx] = d ^ (c[sx] & kColour);
      }
    }
  }
}

void ComposeFrame(const PixelBuffer& room, const PixelBuffer& mask, const PixelBuffer& colour,
                  PixelBuffer& frame, int width, int height) {
  BuildFrameList(width, height);
  DrawFrameList(room, mask, colour, frame, width, height);
}

void FrameSnapshot::Take(int width, int height) {
  const GameState& g = State();
  bits_.clear();
  // Bit for bit, so that a value that is not a number still equals itself.
  auto add = [this](const Value& v) { bits_.push_back(std::bit_cast<std::uint64_t>(v.Num())); };
  bits_.push_back(static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)) << 32 |
                  static_cast<std::uint32_t>(height));
  add(g.SpriteDrawCount);
  const long long drawCount = std::clamp(g.SpriteDrawCount.Index(), 0LL, kSlots);
  for (long long i = 0; i < drawCount; ++i) {
    add(g.SpriteDrawList[i]);
    const long long s = g.SpriteDrawList[i].Index();
    if (s < 0 || s >= kSlots) continue;
    const rec::Sprite& sp = g.Sprite[s];
    for (const Value* field : {&sp.X, &sp.Y, &sp.SrcX, &sp.SrcY, &sp.Width, &sp.Height, &sp.Depth}) add(*field);
  }
  add(g.SpriteVisibleCount);
  const long long visible = std::clamp(g.SpriteVisibleCount.Index(), 0LL, kSlots);
  for (long long k = 0; k < visible; ++k) {
    add(g.SpriteFrameEntry[k].Slot);
    add(g.SpriteFrameEntry[k].Depth);
  }
}

}  // namespace koratsu
