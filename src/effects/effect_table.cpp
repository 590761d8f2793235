#include "effects/effect_table.h"

#include <array>

#include "effects/transition.h"

namespace velvora::effects {
namespace {

using F = Family;
constexpr Band kNo = Band::None;
constexpr Band kA = Band::ColourA;
constexpr Band kB = Band::ColourB;

// Index 0 is effect number 1. The rotation of the slideshow never hands over 37, 38, 40, 50,
// 60..66 and 90..93, so those numbers hold the less distinctive variants.
constexpr std::array<EffectEntry, kLastEffect> kEffects{{
    {F::Wipe, kRight, kNo}, {F::Wipe, kLeft, kNo}, {F::Wipe, kDown, kNo}, {F::Wipe, kUp, kNo},
    {F::Wipe, kDownRight, kNo}, {F::Wipe, kDownLeft, kNo}, {F::Wipe, kUpRight, kNo},
    {F::Wipe, kUpLeft, kNo},                                                    // 1..8
    {F::SlideIn, kRight, kNo}, {F::SlideIn, kLeft, kNo}, {F::SlideIn, kDown, kNo},
    {F::SlideIn, kUp, kNo}, {F::SlideIn, kDownRight, kNo}, {F::SlideIn, kDownLeft, kNo},
    {F::SlideIn, kUpRight, kNo}, {F::SlideIn, kUpLeft, kNo},                    // 9..16
    {F::Push, kRight, kNo}, {F::Push, kLeft, kNo}, {F::Push, kDown, kNo}, {F::Push, kUp, kNo},
    {F::Push, kDownRight, kNo}, {F::Push, kDownLeft, kNo}, {F::Push, kUpRight, kNo},
    {F::Push, kUpLeft, kNo},                                                    // 17..24
    {F::SlideOut, kRight, kNo}, {F::SlideOut, kLeft, kNo}, {F::SlideOut, kDown, kNo},
    {F::SlideOut, kUp, kNo}, {F::SlideOut, kDownRight, kNo}, {F::SlideOut, kDownLeft, kNo},
    {F::SlideOut, kUpRight, kNo}, {F::SlideOut, kUpLeft, kNo},                  // 25..32
    {F::SoftWipe, kRight, kNo}, {F::SoftWipe, kLeft, kNo}, {F::SoftWipe, kDown, kNo},
    {F::SoftWipe, kUp, kNo}, {F::SoftWipe, kDownRight, kNo}, {F::SoftWipe, kDownLeft, kNo},
    {F::Blinds, 0, kNo}, {F::SoftWipe, kUpRight, kNo}, {F::Blinds, 1, kNo},
    {F::Blinds, 2, kNo}, {F::Blinds, 3, kNo},                                   // 33..43
    {F::Split, 0, kNo}, {F::Split, 1, kNo}, {F::Split, 2, kNo}, {F::Split, 3, kNo},
    {F::Iris, 0, kNo}, {F::Iris, 1, kNo}, {F::SoftWipe, kUpLeft, kNo},
    {F::Circle, 0, kNo}, {F::Circle, 1, kNo}, {F::Diamond, 0, kNo}, {F::Diamond, 1, kNo},
    {F::Clock, 0, kNo}, {F::Clock, 1, kNo}, {F::Clock, 2, kNo}, {F::Clock, 3, kNo},
    {F::Checkerboard, 0, kNo}, {F::Checkerboard, 1, kNo},                       // 44..60
    {F::Wipe, kRight, kA}, {F::Wipe, kLeft, kA}, {F::Wipe, kDown, kA}, {F::Wipe, kUp, kA},
    {F::Blinds, 0, kA}, {F::Blinds, 2, kA},                                     // 61..66
    {F::Dissolve, 0, kNo}, {F::Dissolve, 1, kNo}, {F::RandomBars, 0, kNo},
    {F::RandomBars, 1, kNo}, {F::Stripes, 0, kNo}, {F::Stripes, 1, kNo},
    {F::Spiral, 0, kNo}, {F::Spiral, 1, kNo}, {F::Snake, 0, kNo}, {F::Snake, 1, kNo},
    {F::Zoom, 0, kNo}, {F::Zoom, 1, kNo}, {F::Squeeze, kRight, kNo},
    {F::Squeeze, kLeft, kNo}, {F::Squeeze, kDown, kNo}, {F::Squeeze, kUp, kNo},
    {F::Mosaic, 0, kNo}, {F::Fade, 0, kNo}, {F::Fade, 1, kNo}, {F::Fade, 2, kNo},
    {F::Fade, 3, kNo},                                                          // 67..87
    {F::Wipe, kDownRight, kB}, {F::Wipe, kDownLeft, kB}, {F::Wipe, kUpRight, kB},
    {F::Wipe, kUpLeft, kB}, {F::Split, 0, kA}, {F::Split, 2, kA},               // 88..93
    {F::Split, 1, kB}, {F::Split, 3, kB}, {F::Iris, 0, kA}, {F::Iris, 1, kB},
    {F::Circle, 0, kA}, {F::Circle, 1, kB}, {F::Diamond, 0, kA}, {F::Diamond, 1, kB},
    {F::Clock, 0, kA}, {F::Clock, 3, kB}, {F::Checkerboard, 0, kA},
    {F::Checkerboard, 1, kB}, {F::Dissolve, 0, kA}, {F::Dissolve, 1, kB},
    {F::RandomBars, 0, kA}, {F::RandomBars, 1, kB}, {F::Spiral, 0, kA},
    {F::Snake, 0, kB}, {F::Blinds, 0, kB},                                      // 94..112
}};

}  // namespace

const EffectEntry& LookupEffect(int effect) {
  if (effect < kFirstEffect || effect > kLastEffect) effect = kFirstEffect;
  return kEffects[static_cast<std::size_t>(effect - kFirstEffect)];
}

Step StepOf(int direction) {
  switch (direction) {
    case kLeft: return {-1, 0};
    case kDown: return {0, 1};
    case kUp: return {0, -1};
    case kDownRight: return {1, 1};
    case kDownLeft: return {-1, 1};
    case kUpRight: return {1, -1};
    case kUpLeft: return {-1, -1};
    default: return {1, 0};
  }
}

const char* FamilyName(Family family) {
  switch (family) {
    case Family::Wipe: return "wipe";
    case Family::SlideIn: return "slide in";
    case Family::Push: return "push";
    case Family::SlideOut: return "slide out";
    case Family::SoftWipe: return "soft wipe";
    case Family::Blinds: return "blinds";
    case Family::Split: return "split";
    case Family::Iris: return "iris";
    case Family::Circle: return "circle";
    case Family::Diamond: return "diamond";
    case Family::Clock: return "clock";
    case Family::Checkerboard: return "checkerboard";
    case Family::Dissolve: return "dissolve";
    case Family::RandomBars: return "random bars";
    case Family::Stripes: return "stripes";
    case Family::Spiral: return "spiral";
    case Family::Snake: return "snake";
    case Family::Zoom: return "zoom";
    case Family::Squeeze: return "squeeze";
    case Family::Mosaic: return "mosaic";
    case Family::Fade: return "fade";
  }
  return "wipe";
}

}  // namespace velvora::effects
