#pragma once
// The two levels of an effect with a colour band: the band's front runs a fixed distance
// ahead of the new picture's edge, starting with nothing shown and ending with all of it.
#include "effects/effect_table.h"

namespace velvora::effects {

inline constexpr float kBandWidth = 0.25f;

struct BandLevels {
  float trail;  // reach of the new picture
  float lead;   // reach of the colour band (equal to trail without a band)
};

BandLevels BandLevelsOf(float progress, Band band);

}  // namespace velvora::effects
