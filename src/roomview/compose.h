#pragma once
// The room view's frame, on plain pixel buffers: which sprites are seen, in
// what order, and the raster work that puts them over the room picture. The
// window only loads the pictures and shows the finished frame.

#include <cstdint>
#include <vector>

namespace koratsu {

// A picture as 32-bit pixels 0xAARRGGBB, row by row (the layout of an RGB32
// image). Only the colour bits take part in the raster operations; the alpha
// byte of the frame is kept as it is.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  PixelBuffer() = default;
  PixelBuffer(int width, int height, std::uint32_t fill = 0xFF000000u);

  bool Empty() const { return width <= 0 || height <= 0; }
  bool Contains(long long x, long long y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const std::uint32_t* Line(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
  std::uint32_t* Line(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

// The frame list: the used sprites that touch a view of width x height
// (bounds inclusive, so a sprite just outside an edge still counts), sorted by
// depth with a stable insertion sort, into SpriteFrameEntry and
// SpriteVisibleCount.
void BuildFrameList(int width, int height);

// Draws the frame list over the room picture into `frame`: the top-left
// width x height of the room is copied, then each sprite's mask is ANDed and
// its colours XORed in at its place. Everything is clipped to the view and to
// the frame; a sprite pixel whose source lies outside either sheet draws
// nothing.
void DrawFrameList(const PixelBuffer& room, const PixelBuffer& mask, const PixelBuffer& colour,
                   PixelBuffer& frame, int width, int height);

// One whole frame of the room view: BuildFrameList, then DrawFrameList.
void ComposeFrame(const PixelBuffer& room, const PixelBuffer& mask, const PixelBuffer& colour,
                  PixelBuffer& frame, int width, int height);

// Everything a frame is made of besides the pictures: the view's size, the
// place, source and depth of every sprite in the draw list, and the frame
// list. Taken after a frame was composed, an equal one taken later means that
// composing again over the same pictures would change nothing, neither the
// frame nor the frame list.
class FrameSnapshot {
 public:
  void Take(int width, int height);
  bool operator==(const FrameSnapshot& other) const = default;

 private:
  std::vector<std::uint64_t> bits_;
};

}  // namespace koratsu
