#include "effects/pixel_rows.h"

#include <algorithm>

// The loops below are written for the vectoriser: blends work on bytes in 16-bit lanes
// (a x (256 - alpha) + b x alpha never exceeds 65,280), selections on masks, not branches.
namespace velvora::effects {
namespace {

inline const std::uint8_t* Bytes(const std::uint32_t* p) {
  return reinterpret_cast<const std::uint8_t*>(p);
}

}  // namespace

void BlendPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
                 std::uint32_t alpha) {
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

void BlendWithColour(std::uint32_t* dst, const std::uint32_t* a, std::uint32_t colour, int count,
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

void RampPixels(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b, int count,
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

void GatherPixels(std::uint32_t* dst, const std::uint32_t* src, const std::int32_t* columns,
                  int count) {
  for (int i = 0; i < count; ++i) dst[i] = src[columns[i]];
}

void SelectByThreshold(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                       std::uint32_t colour, const std::uint16_t* threshold, int count,
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

}  // namespace velvora::effects
