#include "effects/pixel_rows.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The loops below are written for the vectoriser: blends work on bytes in 16-bit lanes
// (a x (256 - alpha) + b x alpha never exceeds 65,280), selections on masks, not branches.
// Where the vectoriser does badly (a weight per pixel), SSE2 does the bulk and the plain loop
// the rest.
//
// On x86 the loops that are bound by arithmetic rather than memory (fades, the dissolve) are
// compiled a second time for AVX2 and that copy runs where the processor has it: twice the
// pixels per instruction. Not on Windows, where GCC cannot align the stack for 32-byte values
// (its bug 54412).
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(_WIN32)
#define VELVORA_AVX2_LOOPS 1
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

#if defined(__SSE2__)
// Four pixels a, b blended with the weights w (one per channel, 16-bit lanes):
// a x 256 + (b - a) x w, which equals a x (256 - w) + b x w and so fits 16 bits unsigned.
inline __m128i BlendFour(__m128i a, __m128i b, __m128i weightsLow, __m128i weightsHigh) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i aLow = _mm_unpacklo_epi8(a, zero);
  const __m128i aHigh = _mm_unpackhi_epi8(a, zero);
  const __m128i low = _mm_add_epi16(_mm_slli_epi16(aLow, 8),
                                    _mm_mullo_epi16(_mm_sub_epi16(_mm_unpacklo_epi8(b, zero), aLow), weightsLow));
  const __m128i high = _mm_add_epi16(_mm_slli_epi16(aHigh, 8),
                                     _mm_mullo_epi16(_mm_sub_epi16(_mm_unpackhi_epi8(b, zero), aHigh), weightsHigh));
  return _mm_packus_epi16(_mm_srli_epi16(low, 8), _mm_srli_epi16(high, 8));
}

// The pixels of a whole number of eight-pixel groups; returns how many it did.
int RampVector(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
               std::int32_t alpha16, std::int32_t step16) {
  const __m128i none = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi16(static_cast<short>(kOpaque));
  // Vector lanes wrap like unsigned numbers; so do these multiples.
  const auto step = static_cast<std::uint32_t>(step16);
  const auto multiple = [step](std::uint32_t k) { return static_cast<int>(k * step); };
  const __m128i stepFour = _mm_set1_epi32(multiple(4));
  const __m128i stepEight = _mm_set1_epi32(multiple(8));
  __m128i first = _mm_add_epi32(_mm_set1_epi32(alpha16),
                                _mm_setr_epi32(0, multiple(1), multiple(2), multiple(3)));
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m128i second = _mm_add_epi32(first, stepFour);
    // Eight weights, clamped to 0..256, each then spread over its pixel's four channels.
    __m128i weights = _mm_packs_epi32(_mm_srai_epi32(first, 16), _mm_srai_epi32(second, 16));
    weights = _mm_min_epi16(_mm_max_epi16(weights, none), full);
    first = _mm_add_epi32(first, stepEight);
    const __m128i pairs03 = _mm_unpacklo_epi16(weights, weights);
    const __m128i pairs47 = _mm_unpackhi_epi16(weights, weights);
    const auto* pa = reinterpret_cast<const __m128i*>(a + i);
    const auto* pb = reinterpret_cast<const __m128i*>(b + i);
    auto* out = reinterpret_cast<__m128i*>(dst + i);
    _mm_storeu_si128(out, BlendFour(_mm_loadu_si128(pa), _mm_loadu_si128(pb),
                                    _mm_unpacklo_epi32(pairs03, pairs03), _mm_unpackhi_epi32(pairs03, pairs03)));
    _mm_storeu_si128(out + 1, BlendFour(_mm_loadu_si128(pa + 1), _mm_loadu_si128(pb + 1),
                                        _mm_unpacklo_epi32(pairs47, pairs47), _mm_unpackhi_epi32(pairs47, pairs47)));
  }
  return i;
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
  int done = 0;
#if defined(__SSE2__)
  done = RampVector(dst, a, b, count, alpha16, step16);
#endif
  RampBytes(dst + done, a + done, b + done, count - done, alpha16 + done * step16, step16);
}

void GatherPixels(std::uint32_t* dst, const std::uint32_t* src, const std::int32_t* columns,
                  int count) {
  // Four loads before four stores: the loads of a group do not wait for each other.
  int i = 0;
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
