#pragma once
// Pictures for the effect tests: owned pixel buffers with a margin around the visible view, so
// a test can see whether an effect wrote outside the view it was given.
#include <cstdint>
#include <vector>

#include "effects/transition.h"

namespace velvora::effects::test {

inline constexpr std::uint32_t kGuard = 0xDEADBEEFu;
inline constexpr std::uint32_t kColourA = 0xFF102030u;
inline constexpr std::uint32_t kColourB = 0xFFE0D0C1u;

// A width x height view inside a buffer with `margin` guard pixels on every side.
class Picture {
 public:
  Picture(int width, int height, int margin = 3)
      : width_(width), height_(height), margin_(margin), stride_(width + 2 * margin),
        pixels_(static_cast<std::size_t>(stride_) * (height + 2 * margin), kGuard) {}

  int width() const { return width_; }
  int height() const { return height_; }
  std::uint32_t& At(int x, int y) { return pixels_[Index(x, y)]; }
  std::uint32_t At(int x, int y) const { return pixels_[Index(x, y)]; }

  ConstImage View() const { return {width_, height_, &pixels_[Index(0, 0)], stride_}; }
  Image Target() { return {width_, height_, &pixels_[Index(0, 0)], stride_}; }

  bool GuardsIntact() const;
  // The visible pixels only, row by row.
  std::vector<std::uint32_t> Visible() const;

  // Two kinds of test content. Every pixel of `Old` has a clear lowest bit and every pixel
  // of `New` a set one, so a pixel tells which picture it came from; both vary everywhere.
  // A margin of 0 gives buffers of exactly the view, for the address sanitiser to guard.
  static Picture Old(int width, int height, int margin = 3);
  static Picture New(int width, int height, int margin = 3);
  static Picture Plain(int width, int height, std::uint32_t colour);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>((y + margin_) * stride_ + x + margin_);
  }
  int width_, height_, margin_, stride_;
  std::vector<std::uint32_t> pixels_;
};

// How many visible pixels differ.
int Differences(const Picture& a, const Picture& b);

TransitionParams ParamsFor(int effect, int param = 0);

// Renders one frame into a fresh picture of the same size.
Picture Render(const Picture& from, const Picture& to, float progress, const TransitionParams& params);

}  // namespace velvora::effects::test
