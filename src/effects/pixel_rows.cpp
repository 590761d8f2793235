#include "effects/pixel_rows.h"

#include <algorithm>
#include <cstring>

// The loops below are written for the vectoriser: blends work on bytes in 16-bit lanes
// (a x (256 - alpha) + b x alpha never exceeds 65,280), selections on masks, not branches.
// Where the vectoriser does badly (a weight per pixel, a gather), explicit vectors do the bulk
// and the plain loop the rest.
//
// On x86 the loops that are bound by arithmetic rather than memory (fades, dissolves, ramps,
// gathers) have a second, AVX2 copy that runs where the processor has it: twice the pixels per
// instruction. Not on Windows, where GCC cannot align the stack for 32-byte values (its bug
// 54412).
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(_WIN32)
#define VELVORA_AVX2_LOOPS 1
#include <immintrin.h>
#endif

namespace velvora::effects {
namespace {

inline const std::uint8_t* Bytes(const std::uint32_t* p) {
  return reinterpret_cast<const std::uint8_t*>(p);
}

#if defined(VELVORA_AVX2_LOOPS)
bool HasAvx2() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

template <auto Loop, class... Args>
[[gnu::target("avx2")]] void LoopWithAvx2(Args... args) {
  Loop(args...);
}
#endif

// Runs Loop, the AVX2 copy of it where there is one.
template <auto Loop, class... Args>
void RunLoop(Args... args) {
#if defined(VELVORA_AVX2_LOOPS)
  if (HasAvx2()) {
    LoopWithAvx2<Loop>(args...);
    return;
  }
#endif
  Loop(args...);
}

[[gnu::always_inline]] inline void BlendLoop(std::uint32_t* dst, const std::uint32_t* a,
                                             const std::uint32_t* b, int count, std::uint32_t alpha) {
  auto* out = reinterpret_cast<std::uint8_t*>(dst);
  const std::uint8_t* pa = Bytes(a);
  const std::uint8_t* pb = Bytes(b);
  const auto weight = static_cast<std::uint16_t>(alpha);
  const auto keep = static_cast<std::uint16_t>(kOpaque - alpha);
  const int bytes = 4 * count;
  for (int i = 0; i < bytes; ++i) {
    const auto sum = static_cast<std::uint16_t>(static_cast<std::uint16_t>(pa[i] * keep) +
                                                static_cast<std::uint16_t>(pb[i] * weight));
    out[i] = static_cast<std::uint8_t>(sum >> 8);
  }
}

[[gnu::always_inline]] inline void BlendWithColourLoop(std::uint32_t* dst, const std::uint32_t* a,
                                                       std::uint32_t colour, int count,
                                                       std::uint32_t alpha) {
  auto* out = reinterpret_cast<std::uint8_t*>(dst);
  const std::uint8_t* pa = Bytes(a);
  const std::uint8_t* pc = Bytes(&colour);
  const auto keep = static_cast<std::uint16_t>(kOpaque - alpha);
  std::uint16_t tint[4];
  for (int c = 0; c < 4; ++c) tint[c] = static_cast<std::uint16_t>(pc[c] * alpha);
  for (int i = 0; i < count; ++i) {
    for (int c = 0; c < 4; ++c) {
      const int k = 4 * i + c;
      out[k] = static_cast<std::uint8_t>(
          static_cast<std::uint16_t>(static_cast<std::uint16_t>(pa[k] * keep) + tint[c]) >> 8);
    }
  }
}

[[gnu::always_inline]] inline void SelectLoop(std::uint32_t* dst, const std::uint32_t* a,
                                              const std::uint32_t* b, std::uint32_t colour,
                                              const std::uint16_t* threshold, int count,
                                              std::uint32_t trail, std::uint32_t lead) {
  // Thresholds and levels fit in 17 bits, so signed compares (the cheap ones) are exact.
  const auto newBelow = static_cast<std::int32_t>(trail);
  const auto bandBelow = static_cast<std::int32_t>(lead);
  for (int i = 0; i < count; ++i) {
    const std::int32_t t = threshold[i];
    const std::uint32_t isNew = t < newBelow ? ~0u : 0u;
    const std::uint32_t isBand = (t < bandBelow ? ~0u : 0u) & ~isNew;
    dst[i] = (b[i] & isNew) | (colour & isBand) | (a[i] & ~(isNew | isBand));
  }
}

void RampBytes(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
               std::int32_t alpha16, std::int32_t step16) {
  auto* out = reinterpret_cast<std::uint8_t*>(dst);
  const std::uint8_t* pa = Bytes(a);
  const std::uint8_t* pb = Bytes(b);
  for (int i = 0; i < count; ++i) {
    const std::int32_t raw = (alpha16 + i * step16) >> 16;
    const auto weight = static_cast<std::uint16_t>(std::min(std::max(raw, 0), static_cast<std::int32_t>(kOpaque)));
    const auto keep = static_cast<std::uint16_t>(kOpaque - weight);
    for (int c = 0; c < 4; ++c) {
      const int k = 4 * i + c;
      out[k] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(
          static_cast<std::uint16_t>(pa[k] * keep) + static_cast<std::uint16_t>(pb[k] * weight)) >> 8);
    }
  }
}

// Vectors of a given width in bytes, as the compiler's vector extension: one kernel body
// serves SSE2, AVX2 and other processors' vector units alike.
template <int Bytes>
struct Lanes;
template <>
struct Lanes<16> {
  typedef std::int32_t I32 __attribute__((vector_size(16)));
  typedef std::int16_t I16 __attribute__((vector_size(16)));
  typedef std::uint16_t U16 __attribute__((vector_size(16)));
};
template <>
struct Lanes<32> {
  typedef std::int32_t I32 __attribute__((vector_size(32)));
  typedef std::int16_t I16 __attribute__((vector_size(32)));
  typedef std::uint16_t U16 __attribute__((vector_size(32)));
};

// The ramp over whole vectors of pixels; returns how many pixels it did. Each pixel's weight
// stays in its own 32-bit lane, doubled into both 16-bit halves, and each half blends two
// channels: a x (256 - w) + b x w fits 16 bits unsigned.
template <int Bytes>
[[gnu::always_inline]] inline int RampVectors(std::uint32_t* dst, const std::uint32_t* a,
                                              const std::uint32_t* b, int count,
                                              std::int32_t alpha16, std::int32_t step16) {
  using I32 = typename Lanes<Bytes>::I32;
  using I16 = typename Lanes<Bytes>::I16;
  using U16 = typename Lanes<Bytes>::U16;
  constexpr int kPixels = Bytes / 4;
  // Lanes wrap like unsigned numbers; so do these multiples.
  const auto step = static_cast<std::uint32_t>(step16);
  I32 weight16{};
  for (int k = 0; k < kPixels; ++k) {
    weight16[k] = static_cast<std::int32_t>(static_cast<std::uint32_t>(alpha16) + static_cast<std::uint32_t>(k) * step);
  }
  const I32 advance = I32{} + static_cast<std::int32_t>(static_cast<std::uint32_t>(kPixels) * step);
  int i = 0;
  for (; i + kPixels <= count; i += kPixels) {
    // Clamped to 0..256 as 16-bit halves: the high half of every lane ends up 0.
    I16 clamped = reinterpret_cast<I16>(weight16 >> 16);
    clamped = clamped < 0 ? I16{} : clamped;
    clamped = clamped > static_cast<std::int16_t>(kOpaque) ? I16{} + static_cast<std::int16_t>(kOpaque) : clamped;
    weight16 += advance;
    const I32 lane = reinterpret_cast<I32>(clamped);
    const U16 weight = reinterpret_cast<U16>(lane | (lane << 16));
    const U16 keep = U16{} + static_cast<std::uint16_t>(kOpaque) - weight;
    U16 pa;
    U16 pb;
    std::memcpy(&pa, a + i, Bytes);
    std::memcpy(&pb, b + i, Bytes);
    const U16 low = ((pa & 0xFF) * keep + (pb & 0xFF) * weight) >> 8;
    const U16 high = ((pa >> 8) * keep + (pb >> 8) * weight) & 0xFF00;
    const U16 out = low | high;
    std::memcpy(dst + i, &out, Bytes);
  }
  return i;
}

#if defined(VELVORA_AVX2_LOOPS)
// Eight outputs whose columns lie within 16 source pixels of the first (any shrinking to half
// size or more) take two loads and two permutes instead of eight loads. The loads stay below
// the last column of the table, a column the row has. Returns how many pixels it did.
[[gnu::target("avx2")]] int GatherWindowsAvx2(std::uint32_t* dst, const std::uint32_t* src,
                                              const std::int32_t* columns, int count) {
  if (count < 8) return 0;
  const int end = columns[count - 1] + 1;
  const __m256i outsideWindow = _mm256_set1_epi32(~15);
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const int base = columns[i];
    const __m256i offsets = _mm256_sub_epi32(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(columns + i)), _mm256_set1_epi32(base));
    if (base + 16 > end || !_mm256_testz_si256(offsets, outsideWindow)) {
      for (int k = i; k < i + 8; ++k) dst[k] = src[columns[k]];
      continue;
    }
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + base));
    const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + base + 8));
    // The permutes use the low three bits of each offset; bit 3 picks the second load.
    const __m256 fromFirst = _mm256_castsi256_ps(_mm256_permutevar8x32_epi32(first, offsets));
    const __m256 fromSecond = _mm256_castsi256_ps(_mm256_permutevar8x32_epi32(second, offsets));
    const __m256 pickSecond = _mm256_castsi256_ps(_mm256_slli_epi32(offsets, 28));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i),
                        _mm256_castps_si256(_mm256_blendv_ps(fromFirst, fromSecond, pickSecond)));
  }
  return i;
}

[[gnu::target("avx2")]] int RampVectorsAvx2(std::uint32_t* dst, const std::uint32_t* a,
                                            const std::uint32_t* b, int count,
                                            std::int32_t alpha16, std::int32_t step16) {
  return RampVectors<32>(dst, a, b, count, alpha16, step16);
}
#endif

}  // namespace

void BlendPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                 std::uint32_t alpha) {
  if (alpha == 0 || alpha >= kOpaque) {
    CopyPixels(dst, alpha == 0 ? a : b, count);
    return;
  }
  RunLoop<BlendLoop>(dst, a, b, count, alpha);
}

void BlendWithColour(std::uint32_t* dst, const std::uint32_t* a, std::uint32_t colour, int count,
                     std::uint32_t alpha) {
  if (alpha == 0) {
    CopyPixels(dst, a, count);
    return;
  }
  if (alpha >= kOpaque) {
    FillPixels(dst, colour, count);
    return;
  }
  RunLoop<BlendWithColourLoop>(dst, a, colour, count, alpha);
}

void RampPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                std::int32_t alpha16, std::int32_t step16) {
  if (step16 == 0) {
    const std::int32_t weight = std::min(std::max(alpha16 >> 16, 0), static_cast<std::int32_t>(kOpaque));
    BlendPixels(dst, a, b, count, static_cast<std::uint32_t>(weight));
    return;
  }
#if defined(VELVORA_AVX2_LOOPS)
  const int done = HasAvx2() ? RampVectorsAvx2(dst, a, b, count, alpha16, step16)
                             : RampVectors<16>(dst, a, b, count, alpha16, step16);
#else
  const int done = RampVectors<16>(dst, a, b, count, alpha16, step16);
#endif
  RampBytes(dst + done, a + done, b + done, count - done, alpha16 + done * step16, step16);
}

void GatherPixels(std::uint32_t* dst, const std::uint32_t* src, const std::int32_t* columns,
                  int count) {
  int i = 0;
#if defined(VELVORA_AVX2_LOOPS)
  if (HasAvx2()) i = GatherWindowsAvx2(dst, src, columns, count);
#endif
  // Four loads before four stores: the loads of a group do not wait for each other.
  for (; i + 4 <= count; i += 4) {
    const std::uint32_t p0 = src[columns[i]];
    const std::uint32_t p1 = src[columns[i + 1]];
    const std::uint32_t p2 = src[columns[i + 2]];
    const std::uint32_t p3 = src[columns[i + 3]];
    dst[i] = p0;
    dst[i + 1] = p1;
    dst[i + 2] = p2;
    dst[i + 3] = p3;
  }
  for (; i < count; ++i) dst[i] = src[columns[i]];
}

void SelectByThreshold(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                       std::uint32_t colour, const std::uint16_t* threshold, int count,
                       std::uint32_t trail, std::uint32_t lead) {
  RunLoop<SelectLoop>(dst, a, b, colour, threshold, count, trail, lead);
}

}  // namespace velvora::effects
