// A picture list of broken, lying and oversized files and odd file-system entries, with good
// pictures between them: the loader refuses each bad entry without allocating what its header
// claims, and the slideshow passes over them and shows every good picture in turn.
#include <fcntl.h>
#include <unistd.h>

#include <map>

#include "saver_fixture.h"
#include "support/hostile_pictures.h"
#include "support/memory_peaks.h"
#include "support/permissions_enforced.h"

namespace velvora::test {
namespace {

std::uint32_t CentreOf(const Picture& p) {
  return p.pixels[static_cast<std::size_t>(p.height / 2) * p.width + p.width / 2] & 0xFFFFFFu;
}

// Files the fuzzers found, each once a fault of the loader: refused now, without allocating or
// decoding what they claim.
TEST(SimPictures, FilesThatOnceBrokeTheLoaderAreRefused) {
  SimSession s;
  // A BMP 0 pixels wide, which the decoder gave as a picture without pixels.
  std::string bmp = TinyBmp(4, 3);
  bmp[18] = 0;
  s.folder.Write("no-width.bmp", bmp);
  // A BMP stored top down (negative height) claiming 2,048 x 57,604 pixels in 54 bytes.
  std::string topDown = TinyBmp(2048, 1).substr(0, 54);
  topDown.replace(22, 4, "\xFC\x1E\xFF\xFF");
  s.folder.Write("top-down.bmp", topDown);
  // A PNG of one pixel whose picture data claims 1.7 GB in a file of 52 bytes.
  const std::string signatureAndHeader(
      "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x01\0\0\0\x01\x08\x04\0\0\0\xB5\x1C\x0C\x02", 33);
  s.folder.Write("long-chunk.png", signatureAndHeader + std::string("\x67\0\0\0IDAT", 8) + "data");
  const MemoryPeaks peaks;
  for (const char* name : {"no-width.bmp", "top-down.bmp", "long-chunk.png"}) {
    try {
      s.sim.LoadPicture(s.folder / name);
      ADD_FAILURE() << name << " loaded";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Code(), 481) << name;
    }
  }
  EXPECT_LT(peaks.ReservedGrowthMb(), 64);
}

class HostilePictureList : public SaverTest {
 protected:
  void SetUp() override {
    if (!pictures.Failure().empty()) GTEST_SKIP() << pictures.Failure();
    const std::string unreadable = pictures.Entry("12-unreadable.jpg").path;
    const int fd = ::open(unreadable.c_str(), O_RDONLY);
    if (fd >= 0) ::close(fd);
    ASSERT_LT(fd, 0) << "the picture without read permission can be read: the test would prove nothing";
  }
  HostilePictures pictures{s.folder / "pictures"};
  PermissionsEnforced enforced;  // also for root
};

TEST_F(HostilePictureList, TheLoaderRefusesEachBadEntryWithoutAllocatingWhatItsHeaderClaims) {
  const std::map<std::string, int> refused = {
      {"02-truncated.jpg", 481}, {"03-empty.jpg", 481}, {"05-text.jpg", 481}, {"06-bomb.png", 481},
      {"07-x.jpg", 53},          {"09-truncated.png", 481}, {"12-unreadable.jpg", 481}, {"14-loop.jpg", 53},
      {"18-bomb.gif", 481},      {"19-bomb.jpg", 481}, {"20-missing.jpg", 53},    {"21-empty.png", 481}};
  const MemoryPeaks peaks;
  for (const HostileEntry& entry : pictures.Entries()) {
    const auto expected = refused.find(entry.name);
    try {
      const PicturePtr picture = s.sim.LoadPicture(entry.path);
      EXPECT_EQ(expected, refused.end()) << entry.name << " loaded";
      ASSERT_NE(picture, nullptr);
      if (entry.colour) {
        EXPECT_EQ(pictures.ShownBy(CentreOf(*picture)), &entry) << entry.name;
      }
    } catch (const RuntimeError& error) {
      ASSERT_NE(expected, refused.end()) << entry.name << " refused with " << error.Code();
      EXPECT_EQ(error.Code(), expected->second) << entry.name;
    }
  }
  // Decoding the bombs' claims would take gigabytes; the good pictures need a few megabytes.
  EXPECT_LT(peaks.ResidentGrowthMb(), 64);
  EXPECT_LT(peaks.ReservedGrowthMb(), 64);
  EXPECT_EQ(s.sim.LoadPicture(pictures.Entry("10-strip.png").path)->height, 30000);
}

TEST_F(HostilePictureList, TheSlideshowPassesOverBadEntriesAndShowsEveryGoodPicture) {
  Settings("0", "Sec", pictures.Paths());  // a change on every tick
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  // stb_image shows a truncated GIF up to the cut, and refuses truncated JPEG and PNG files.
  const std::vector<std::string> cycle = {"01-good.png",   "04-good.bmp",   "08-good.gif",
                                          "10-strip.png",  "11-cmyk.jpg",   "13-good.jpg",
                                          "15-truncated.gif", "16-rgba16.png", "17-animated.gif", "22-deep"};
  std::vector<std::string> shown;
  for (std::size_t change = 0; change < 2 * cycle.size(); ++change) {
    if (change > 0) Ticks(1);
    const HostileEntry& entry = pictures.Entries().at(static_cast<std::size_t>(saver.PicIndex - 1));
    shown.push_back(entry.name);
    ASSERT_NE(saver.Image1.Picture(), nullptr);
    if (entry.colour) {
      EXPECT_EQ(pictures.ShownBy(CentreOf(*saver.Image1.Picture())), &entry) << entry.name;
    }
  }
  std::vector<std::string> twice = cycle;
  twice.insert(twice.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(shown, twice);
  EXPECT_EQ(saver.EffectNo, 1 + 2 * static_cast<int>(cycle.size()));  // one effect per picture shown
  EXPECT_TRUE(s.sim.ErrorBoxes().empty());
  EXPECT_FALSE(s.program.Ended());
}

}  // namespace
}  // namespace velvora::test
