// Colour words, durations and family names.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "effects/transition.h"

namespace velvora::effects {
namespace {

TEST(ColourWords, RedSitsInTheLowByteAndSystemColoursAreLookedUp) {
  EXPECT_EQ(ArgbFromColourWord(0x000000FF), 0xFFFF0000u);
  EXPECT_EQ(ArgbFromColourWord(0x0000FF00), 0xFF00FF00u);
  EXPECT_EQ(ArgbFromColourWord(0x00FF0000), 0xFF0000FFu);
  EXPECT_EQ(ArgbFromColourWord(0x00123456), 0xFF563412u);
  // The button-face reference as stored in text: -2147483633 is 0x8000000F.
  EXPECT_EQ(ArgbFromColourWord(-2147483633), DefaultSystemColour(15));
  EXPECT_EQ(ArgbFromColourWord(-2147483633, [](int index) { return 0xAB000000u | static_cast<std::uint32_t>(index); }),
            0xAB00000Fu);
  EXPECT_NE(DefaultSystemColour(24), DefaultSystemColour(18));
}

TEST(Durations, SpeedOneIsSlowestAndNineFastest) {
  EXPECT_EQ(TransitionDurationMs(1.0f), 2500);
  EXPECT_EQ(TransitionDurationMs(9.0f), 500);
  for (int speed = 1; speed < 9; ++speed) {
    EXPECT_GT(TransitionDurationMs(static_cast<float>(speed)), TransitionDurationMs(static_cast<float>(speed) + 0.5f));
  }
  EXPECT_EQ(TransitionDurationMs(0.0f), 2500);
  EXPECT_EQ(TransitionDurationMs(40.0f), 500);
  EXPECT_EQ(TransitionDurationMs(std::nanf("")), 2500);
}

TEST(FamilyNames, NumbersOutsideTheRangeBelongToTheFirstEffectsFamily) {
  std::set<std::string> families;
  for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) families.insert(EffectFamilyName(effect));
  EXPECT_EQ(families.size(), 21u);
  EXPECT_STREQ(EffectFamilyName(0), EffectFamilyName(1));
  EXPECT_STREQ(EffectFamilyName(113), EffectFamilyName(1));
}

}  // namespace
}  // namespace velvora::effects
