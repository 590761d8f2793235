#include "saver/effects/pixel_rows.h"

#include <algorithm>

namespace velvora::effects {

void BlendPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                 std::uint32_t alpha) {
  for (int i = 0; i < count; ++i) dst[i] = Lerp(a[i], b[i], alpha);
}

void BlendWithColour(std::uint32_t* dst, const std::uint32_t* a, std::uint32_t colour, int count,
                     std::uint32_t alpha) {
  for (int i = 0; i < count; ++i) dst[i] = Lerp(a[i], colour, alpha);
}

void RampPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                std::int32_t alpha16, std::int32_t step16) {
  for (int i = 0; i < count; ++i) {
    const std::int32_t alpha = std::clamp(alpha16 >> 16, 0, static_cast<std::int32_t>(kOpaque));
    dst[i] = Lerp(a[i], b[i], static_cast<std::uint32_t>(alpha));
    alpha16 += step16;
  }
}

void GatherPixels(std::uint32_t* dst, const std::uint32_t* src, const std::int32_t* columns,
                  int count) {
  for (int i = 0; i < count; ++i) dst[i] = src[columns[i]];
}

void SelectByThreshold(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                       std::uint32_t colour, const std::uint16_t* threshold, int count,
                       std::uint32_t trail, std::uint32_t lead) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t t = threshold[i];
    dst[i] = t < trail ? b[i] : (t < lead ? colour : a[i]);
  }
}

}  // namespace velvora::effects
