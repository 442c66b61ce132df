// One frame of the room view in the larger dwelling at its fullest: 18 pieces
// of furniture, 5 figures and 6 equipment pictures, 29 sprites in all.

#include <benchmark/benchmark.h>

#include <memory>

#include "roomview/compose.h"
#include "roomview/sheet_layout.h"
#include "state/game_state.h"

namespace koratsu {
namespace {

void PlaceSprite(GameState& g, int slot, const sheet::Placement& p) {
  rec::Sprite& s = g.Sprite[slot];
  s.X = p.x, s.Y = p.y, s.SrcX = p.source.x, s.SrcY = p.source.y;
  s.Width = p.source.width, s.Height = p.source.height;
  s.Depth = p.y + p.depthOffset + slot / 1000.0;
  s.Used = 1;
  g.SpriteDrawList[slot] = slot;
  g.SpriteDrawCount = slot + 1;
}

void BM_RoomFrame(benchmark::State& st) {
  auto state = std::make_unique<GameState>();
  StateScope scope(*state);
  GameState& g = *state;
  int slot = 0;
  for (const sheet::Placement& p : sheet::kHouseFurniture) PlaceSprite(g, slot++, p);
  // Figures, from the back of the room to the front, so that the sort has work to do.
  const int figureAt[5][2] = {{330, 117}, {270, 123}, {312, 150}, {240, 138}, {282, 165}};
  for (int i = 0; i < 5; ++i) {
    PlaceSprite(g, slot++, {figureAt[i][0], figureAt[i][1], {80 * i + 48, 0, 16, 32}, 0});
  }
  for (const sheet::Placement& p : sheet::kEquipment[1]) PlaceSprite(g, slot++, p);

  const int w = sheet::kRoomWidth[1], h = sheet::kRoomHeight[1];
  PixelBuffer room(w, h, 0xFF806040u);
  PixelBuffer mask(sheet::kSheetWidth, sheet::kSheetHeight);
  PixelBuffer colour(sheet::kSheetWidth, sheet::kSheetHeight);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      bool opaque = ((x * 7 + y * 3) % 5) < 3;
      mask.At(x, y) = opaque ? 0xFF000000u : 0xFFFFFFFFu;
      colour.At(x, y) = opaque ? 0xFF000000u | static_cast<std::uint32_t>(x * 131 + y * 17) : 0xFF000000u;
    }
  }
  PixelBuffer frame(w, h);
  for (auto _ : st) {
    ComposeFrame(room, mask, colour, frame, w, h);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  st.counters["sprites"] = static_cast<double>(g.SpriteVisibleCount.Num());
}
BENCHMARK(BM_RoomFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace koratsu
