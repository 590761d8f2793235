// The file list offers every picture the platform's loader reads, besides the designed patterns.
#include <algorithm>

#include "setup/file_patterns.h"
#include "setup/setup_fixture.h"

namespace velvora::test {
namespace {

using FilePatterns = SetupTest;

// A 1 x 1 PNG.
const std::string kTinyPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x01\x00\x00\x00\x01\x08\x02"
    "\x00\x00\x00\x90\x77\x53\xde\x00\x00\x00\x0c\x49\x44\x41\x54\x78\x9c\x63\xf8\xcf\xc0\x00\x00\x03\x01\x01"
    "\x00\xc9\xfe\x92\xef\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    69);

bool Lists(const frmSetup& f, const std::string& name) {
  const auto& items = f.File1.Items();
  return std::find(items.begin(), items.end(), name) != items.end();
}

TEST_F(FilePatterns, EveryDesignedExtensionStaysAndTheLoadersAreAdded) {
  for (const char* name : {"c.dib", "d.GIF", "e.wmf", "f.emp", "g.ico", "h.cur", "i.emf", "j.PNG",
                           "k.jpeg", "l.jfif", "m.tif", "n.webp", "o.txt", "p.png.txt"}) {
    WriteFile(name, "bytes");
  }
  frmSetup& f = Open();
  for (const char* name : {"a.bmp", "notes.jpg", "c.dib", "d.GIF", "e.wmf", "f.emp", "g.ico", "h.cur",
                           "i.emf", "j.PNG", "k.jpeg", "l.jfif"}) {
    EXPECT_TRUE(Lists(f, name)) << name;
  }
  // The simulated loader (stb_image) reads neither TIFF nor WebP.
  for (const char* name : {"m.tif", "n.webp", "o.txt", "p.png.txt"}) EXPECT_FALSE(Lists(f, name)) << name;
}

TEST_F(FilePatterns, ALoaderThatReadsTiffAndWebpListsThem) {
  session.sim.pictureExtensions = {"png", "tif", "tiff", "webp"};
  for (const char* name : {"c.tif", "d.TIFF", "e.webp", "f.jpeg"}) WriteFile(name, "bytes");
  frmSetup& f = Open();
  for (const char* name : {"a.bmp", "notes.jpg", "c.tif", "d.TIFF", "e.webp"}) EXPECT_TRUE(Lists(f, name)) << name;
  EXPECT_FALSE(Lists(f, "f.jpeg"));  // this loader does not claim it
}

TEST_F(FilePatterns, APngChosenInTheFileListPreviewsAndAdds) {
  WriteFile("c.png", kTinyPng);
  frmSetup& f = Open();
  AddFile(f, "c.png");
  ASSERT_NE(f.picture1.Picture(), nullptr);
  EXPECT_EQ(f.picture1.Picture()->width, 1);
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>{Path("c.png")});
  EXPECT_TRUE(Boxes().empty());
}

TEST(PicturePatternList, KeepsTheDesignedListFirstAndAddsEachExtensionOnce) {
  const std::string designed = "*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emp;*.ico;*.cur";
  EXPECT_EQ(PicturePatterns({}), designed + ";*.emf");
  EXPECT_EQ(PicturePatterns({"jpg", "BMP", "png", "emf", "png"}), designed + ";*.emf;*.png");
  // Only plain extensions: an answer cannot widen the list to every file.
  EXPECT_EQ(PicturePatterns({"*", "", "a;b", "t?f", "webp"}), designed + ";*.emf;*.webp");
}

}  // namespace
}  // namespace velvora::test
