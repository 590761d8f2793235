// A picture change's transition as the driver reads it: progress on the virtual frame clock and
// the fingerprint of the frame the slideshow shows.
#include <gtest/gtest.h>

#include <cstdio>

#include "backends/sim/sim_platform.h"
#include "driver/script_run.h"
#include "effects/compose.h"
#include "support/pictures.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

using test::ScriptRun;

TEST(TransitionByScript, ProgressAndTheFrameChecksumFollowTheFrameClock) {
  test::TempFolder folder;
  folder.Write("sea.bmp", test::SolidBmp(3, 2, 0, 64, 255));
  folder.Write("Velvora.ini", "5\r\nSec\r\n 1 \r\nFullWin\r\n" + (folder / "sea.bmp") + "\r\n");
  ScriptRun r("folder " + folder.Path() + R"(
    start "/s"
    advance 6000
    get frmSaver.Image1 TransitionPlaying TransitionProgress FrameWidth FrameHeight
    advance 40
    get frmSaver.Image1 TransitionProgress Property(77)
    advance 3000
    get frmSaver.Image1 TransitionPlaying TransitionProgress FrameChecksum
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 3u);
  // The change came with the sixth tick, at this very moment.
  EXPECT_EQ(r.lines[0], R"({"target":"frmSaver.Image1","FrameWidth":1024,"FrameHeight":768,"TransitionPlaying":true,"TransitionProgress":0})");
  float progress = 0, speed = 0;
  ASSERT_EQ(std::sscanf(r.lines[1].c_str(), R"x({"target":"frmSaver.Image1","Property(77)":%f,"TransitionProgress":%f})x", &speed, &progress), 2)
      << r.lines[1];
  EXPECT_NEAR(progress, 40.0f / static_cast<float>(effects::TransitionDurationMs(speed)), 1e-6);

  // The picture fitted on the window's button-face grey.
  SimPlatform sim(folder.Path());
  const PicturePtr sea = sim.LoadPicture(folder / "sea.bmp");
  effects::Canvas expected;
  expected.Resize(1024, 768);
  effects::ComposePicture({sea->width, sea->height, sea->pixels.data(), sea->width}, true, 0xFFC0C0C0u,
                          expected.View());
  EXPECT_EQ(r.lines[2], R"({"target":"frmSaver.Image1","TransitionPlaying":false,"TransitionProgress":1,"FrameChecksum":)" +
                            std::to_string(effects::Checksum(expected.ConstView())) + "}");
}

}  // namespace
}  // namespace velvora
