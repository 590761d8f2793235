// Time of one 1920 x 1080 transition frame at progress 0.5, per effect family, next to a plain
// copy of the same frame. Each family reports `x_copy`: its frame time over the copy time
// measured in the same run just before it, both as CPU time of the benchmark's thread.
// BM_BothPictures gives the same ratio for a pass that only reads both pictures.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "effects/transition.h"

namespace {

using velvora::effects::ConstImage;
using velvora::effects::Image;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kPixels = static_cast<std::size_t>(kWidth) * kHeight;

struct Frames {
  std::vector<std::uint32_t> from, to, out;
  Frames() : from(kPixels), to(kPixels), out(kPixels) {
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < kPixels; ++i) {
      state = state * 1664525u + 1013904223u;
      from[i] = 0xFF000000u | (state >> 8);
      to[i] = 0xFF000000u | ~(state >> 8);
    }
  }
  ConstImage From() const { return {kWidth, kHeight, from.data(), kWidth}; }
  ConstImage To() const { return {kWidth, kHeight, to.data(), kWidth}; }
  Image Out() { return {kWidth, kHeight, out.data(), kWidth}; }
};

Frames& SharedFrames() {
  static Frames frames;
  return frames;
}

void CopyFrame(Frames& f) {
  std::memcpy(f.out.data(), f.from.data(), kPixels * sizeof(std::uint32_t));
  benchmark::ClobberMemory();
}

// CPU time of this thread, so that other programs on a busy machine do not count.
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Median of a few timed copies, in seconds.
double CopySeconds(Frames& f) {
  std::vector<double> times;
  for (int i = 0; i < 31; ++i) {
    const double start = ThreadSeconds();
    CopyFrame(f);
    times.push_back(ThreadSeconds() - start);
  }
  std::nth_element(times.begin(), times.begin() + 15, times.end());
  return times[15];
}

void BM_Copy(benchmark::State& state) {
  Frames& f = SharedFrames();
  for (auto _ : state) CopyFrame(f);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPixels * 4));
}
BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond);

// Runs `frame` for the benchmark's iterations and reports its time over the copy's as `x_copy`.
template <class Draw>
void TimeAgainstCopy(benchmark::State& state, Frames& f, Draw&& frame) {
  const double copy = CopySeconds(f);
  const double start = ThreadSeconds();
  for (auto _ : state) {
    frame();
    benchmark::ClobberMemory();
  }
  const double seconds = (ThreadSeconds() - start) / static_cast<double>(state.iterations());
  state.counters["x_copy"] = seconds / copy;
}

// The least a frame that needs every pixel of both pictures can cost (a cross-fade, a pixel
// dissolve, a squeeze): one pass reading both and writing the result, with no arithmetic.
void BM_BothPictures(benchmark::State& state) {
  Frames& f = SharedFrames();
  TimeAgainstCopy(state, f, [&] {
    for (std::size_t i = 0; i < kPixels; ++i) f.out[i] = f.from[i] | f.to[i];
  });
}
BENCHMARK(BM_BothPictures)->Unit(benchmark::kMillisecond);

void BM_Effect(benchmark::State& state, int effect) {
  Frames& f = SharedFrames();
  velvora::effects::TransitionScratch scratch;
  const velvora::effects::TransitionParams params{
      .effect = effect, .param = 0, .speed = 5.0f, .colourA = 0xFFFF0000u, .colourB = 0xFF00FFFFu};
  TimeAgainstCopy(state, f, [&] {
    velvora::effects::RenderTransition(f.From(), f.To(), 0.5f, params, f.Out(), scratch);
  });
  state.SetLabel(velvora::effects::EffectFamilyName(effect));
}

// One plain effect per family, and one with a colour band where the family has one.
const bool kRegistered = [] {
  std::set<std::string> seen;
  for (int effect = velvora::effects::kFirstEffect; effect <= velvora::effects::kLastEffect; ++effect) {
    const std::string family = velvora::effects::EffectFamilyName(effect);
    if (!seen.insert(family).second) continue;
    benchmark::RegisterBenchmark(("effect/" + std::to_string(effect)).c_str(), BM_Effect, effect)
        ->Unit(benchmark::kMillisecond);
  }
  for (const int banded : {61, 65, 98, 102, 104, 106, 107, 108, 110}) {
    benchmark::RegisterBenchmark(("effect/" + std::to_string(banded) + "/band").c_str(), BM_Effect, banded)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
