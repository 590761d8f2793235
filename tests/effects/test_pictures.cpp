#include "test_pictures.h"

namespace velvora::effects::test {
namespace {

std::uint32_t Scramble(std::uint32_t v) {
  v ^= v >> 15;
  v *= 0x2C1B3C6Du;
  v ^= v >> 12;
  return v;
}

Picture Filled(int width, int height, int margin, std::uint32_t seed, std::uint32_t lowBit) {
  Picture p(width, height, margin);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto noise = Scramble(seed + static_cast<std::uint32_t>(y * 7919 + x));
      p.At(x, y) = 0xFF000000u | (noise & 0x00FFFFFEu) | lowBit;
    }
  }
  return p;
}

}  // namespace

bool Picture::GuardsIntact() const {
  const int fullHeight = height_ + 2 * margin_;
  for (int y = 0; y < fullHeight; ++y) {
    for (int x = 0; x < stride_; ++x) {
      const bool visible = y >= margin_ && y < margin_ + height_ && x >= margin_ && x < margin_ + width_;
      if (!visible && pixels_[static_cast<std::size_t>(y * stride_ + x)] != kGuard) return false;
    }
  }
  return true;
}

std::vector<std::uint32_t> Picture::Visible() const {
  std::vector<std::uint32_t> v;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) v.push_back(At(x, y));
  }
  return v;
}

Picture Picture::Old(int width, int height, int margin) { return Filled(width, height, margin, 17, 0); }
Picture Picture::New(int width, int height, int margin) {
  return Filled(width, height, margin, 90001, 1);
}

int Differences(const Picture& a, const Picture& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) count += a.At(x, y) != b.At(x, y) ? 1 : 0;
  }
  return count;
}

Picture Picture::Plain(int width, int height, std::uint32_t colour) {
  Picture p(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) p.At(x, y) = colour;
  }
  return p;
}

TransitionParams ParamsFor(int effect, int param) {
  return {.effect = effect, .param = param, .speed = 5.0f, .colourA = kColourA, .colourB = kColourB};
}

Picture Render(const Picture& from, const Picture& to, float progress, const TransitionParams& params) {
  Picture out(from.width(), from.height());
  RenderTransition(from.View(), to.View(), progress, params, out.Target());
  return out;
}

}  // namespace velvora::effects::test
