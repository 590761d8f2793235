#include "effects/transition.h"

#include <algorithm>
#include <cmath>

#include "effects/frame.h"

namespace velvora::effects {
namespace {

bool SameSize(const ConstImage& a, int width, int height) {
  return a.width == width && a.height == height && a.pixels != nullptr && a.stride >= width;
}

}  // namespace

TransitionScratch::TransitionScratch() : buffers_(std::make_unique<Buffers>()) {}
TransitionScratch::~TransitionScratch() = default;

void RenderTransition(ConstImage from, ConstImage to, float progress,
                      const TransitionParams& params, Image out, TransitionScratch& scratch) {
  const int w = out.width;
  const int h = out.height;
  // Mismatched or empty images are a caller's mistake; drawing nothing keeps every access
  // inside the buffers.
  if (w <= 0 || h <= 0 || !SameSize({w, h, out.pixels, out.stride}, w, h) ||
      !SameSize(from, w, h) || !SameSize(to, w, h)) {
    return;
  }
  const float p = progress > 0.0f ? std::min(progress, 1.0f) : 0.0f;  // NaN counts as 0
  const Frame frame{from, to, out, w, h, std::clamp(params.param, 0, 15),
                    params.colourA, params.colourB, scratch.buffers()};
  const EffectEntry& entry = LookupEffect(params.effect);
  switch (entry.family) {
    case Family::SlideIn:
    case Family::Push:
    case Family::SlideOut:
    case Family::Stripes:
    case Family::Squeeze:
    case Family::Zoom: RenderMotionFamily(frame, entry, p); break;
    case Family::SoftWipe: RenderSoftWipe(frame, entry.variant, p); break;
    case Family::Fade: RenderFade(frame, entry.variant, p); break;
    case Family::Mosaic: RenderMosaic(frame, p); break;
    case Family::Dissolve:
    case Family::RandomBars: {
      // The pixel dissolve and bars across the columns turn over pixel by pixel; the block
      // dissolve and bars across the rows are regions.
      const bool perPixel = entry.family == Family::Dissolve ? entry.variant == 0 : entry.variant == 1;
      if (perPixel) {
        RenderPixelByPixel(frame, entry, p);
      } else {
        RenderRegionFamily(frame, entry, p);
      }
      break;
    }
    default: RenderRegionFamily(frame, entry, p); break;
  }
}

void RenderTransition(ConstImage from, ConstImage to, float progress,
                      const TransitionParams& params, Image out) {
  TransitionScratch scratch;
  RenderTransition(from, to, progress, params, out, scratch);
}

int TransitionDurationMs(float speed) {
  const float s = speed > 1.0f ? std::min(speed, 9.0f) : 1.0f;  // NaN counts as 1
  return static_cast<int>(std::lround(2500.0f - 250.0f * (s - 1.0f)));
}

const char* EffectFamilyName(int effect) { return FamilyName(LookupEffect(effect).family); }

std::uint32_t DefaultSystemColour(int index) {
  switch (index) {
    case 5: return 0xFFFFFFFFu;   // window background
    case 8: return 0xFF000000u;   // window text
    case 15: return 0xFFC0C0C0u;  // button face
    case 16: return 0xFF808080u;  // button shadow
    case 18: return 0xFF000000u;  // button text
    case 20: return 0xFFFFFFFFu;  // button highlight
    case 24: return 0xFFFFFFE1u;  // tooltip background
    default: return 0xFFC0C0C0u;
  }
}

std::uint32_t ArgbFromColourWord(std::int32_t word, SystemColourLookup systemColour) {
  const auto bits = static_cast<std::uint32_t>(word);
  if (bits & 0x80000000u) {
    const int index = static_cast<int>(bits & 0xFFu);
    return systemColour ? systemColour(index) : DefaultSystemColour(index);
  }
  const std::uint32_t red = bits & 0xFFu;
  const std::uint32_t green = (bits >> 8) & 0xFFu;
  const std::uint32_t blue = (bits >> 16) & 0xFFu;
  return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

}  // namespace velvora::effects
