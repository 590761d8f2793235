// A view copies an opaque frame without drawing what lies beneath the control, so every effect
// must turn opaque pictures and opaque colours into frames without a single clear pixel.
#include <gtest/gtest.h>

#include "test_pictures.h"

namespace velvora::effects::test {
namespace {

int ClearPixels(const Picture& p) {
  int clear = 0;
  for (const std::uint32_t pixel : p.Visible()) clear += pixel >> 24 != 0xFF;
  return clear;
}

TEST(OpaqueFrames, EveryEffectKeepsOpaquePicturesOpaque) {
  for (const auto& [width, height] : {std::pair{37, 23}, std::pair{160, 120}}) {
    const Picture from = Picture::Old(width, height);
    const Picture to = Picture::New(width, height);
    ASSERT_EQ(ClearPixels(from) + ClearPixels(to), 0);
    for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) {
      for (const int param : {0, 15}) {
        for (const float progress : {0.1f, 0.5f, 0.9f}) {
          SCOPED_TRACE(testing::Message() << "effect " << effect << " param " << param << " progress " << progress
                                          << " size " << width << "x" << height);
          EXPECT_EQ(ClearPixels(Render(from, to, progress, ParamsFor(effect, param))), 0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace velvora::effects::test
