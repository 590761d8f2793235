// Composing a picture control's content: a picture scaled into a full-HD frame, fitted over the
// window's background, as each picture change does once. A 24-megapixel photo shrunk (the
// largest a loader may hand over), the backdrop bitmap enlarged, and a frame at the same size.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "effects/compose.h"

namespace {

using velvora::effects::Canvas;
using velvora::effects::ConstImage;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// A photo-like picture: gradients with fine detail, opaque.
std::vector<std::uint32_t> Photo(int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto r = static_cast<std::uint32_t>(x * 255 / width);
      const auto g = static_cast<std::uint32_t>(y * 255 / height);
      const auto b = static_cast<std::uint32_t>((x ^ y) & 0xFF);
      pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          0xFF000000u | (r << 16) | (g << 8) | b;
    }
  }
  return pixels;
}

void Compose(benchmark::State& state, int width, int height, bool fit) {
  const std::vector<std::uint32_t> photo = Photo(width, height);
  const ConstImage picture{width, height, photo.data(), width};
  Canvas frame;
  frame.Resize(kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    velvora::effects::ComposePicture(picture, fit, 0xFF000000u, frame.View());
    benchmark::DoNotOptimize(frame.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kScreenWidth * kScreenHeight);
}

void BM_Compose6000x4000FittedIntoFullHd(benchmark::State& state) { Compose(state, 6000, 4000, true); }
BENCHMARK(BM_Compose6000x4000FittedIntoFullHd)->Unit(benchmark::kMillisecond);

void BM_Compose640x480StretchedOverFullHd(benchmark::State& state) { Compose(state, 640, 480, false); }
BENCHMARK(BM_Compose640x480StretchedOverFullHd)->Unit(benchmark::kMillisecond);

void BM_ComposeFullHdAtItsSize(benchmark::State& state) { Compose(state, kScreenWidth, kScreenHeight, true); }
BENCHMARK(BM_ComposeFullHdAtItsSize)->Unit(benchmark::kMillisecond);

}  // namespace
