#pragma once
// Row operations on 0xAARRGGBB pixels; the inner loops of every effect.
#include <cstdint>
#include <cstring>

namespace velvora::effects {

// Blend weight: 0 keeps the first pixel, kOpaque gives exactly the second.
inline constexpr std::uint32_t kOpaque = 256;

// The four channels at once, two per 32-bit lane pair; exact at alpha 0 and 256.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t alpha) {
  const std::uint32_t keep = kOpaque - alpha;
  const std::uint32_t rb = ((a & 0x00FF00FFu) * keep + (b & 0x00FF00FFu) * alpha) >> 8;
  const std::uint32_t ag = ((a >> 8) & 0x00FF00FFu) * keep + ((b >> 8) & 0x00FF00FFu) * alpha;
  return (rb & 0x00FF00FFu) | (ag & 0xFF00FF00u);
}

inline void CopyPixels(std::uint32_t* dst, const std::uint32_t* src, int count) {
  if (count > 0) std::memcpy(dst, src, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
}

inline void FillPixels(std::uint32_t* dst, std::uint32_t colour, int count) {
  for (int i = 0; i < count; ++i) dst[i] = colour;
}

// Asks for the cache lines of `count` pixels from `src` to be loaded; only a hint.
inline void PrefetchPixels(const std::uint32_t* src, int count) {
#if defined(__GNUC__)
  constexpr int kLinePixels = 16;  // 64-byte cache lines
  for (int i = 0; i < count; i += kLinePixels) __builtin_prefetch(src + i);
  if (count > 0) __builtin_prefetch(src + count - 1);  // the last line when the run is unaligned
#else
  (void)src;
  (void)count;
#endif
}

// dst[i] = Lerp(a[i], b[i], alpha)
void BlendPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                 std::uint32_t alpha);
// dst[i] = Lerp(a[i], colour, alpha)
void BlendWithColour(std::uint32_t* dst, const std::uint32_t* a, std::uint32_t colour, int count,
                     std::uint32_t alpha);
// dst[i] = Lerp(a[i], b[i], alpha_i) where alpha_i runs from `alpha16` (16.16 fixed point) by
// `step16` per pixel, clamped to 0..256.
void RampPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                std::int32_t alpha16, std::int32_t step16);
// dst[i] = src[columns[i]]
void GatherPixels(std::uint32_t* dst, const std::uint32_t* src, const std::int32_t* columns,
                  int count);
// dst[i] = threshold[i] < trail ? b[i] : threshold[i] < lead ? colour : a[i]  (trail <= lead)
void SelectByThreshold(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                       std::uint32_t colour, const std::uint16_t* threshold, int count,
                       std::uint32_t trail, std::uint32_t lead);

}  // namespace velvora::effects
