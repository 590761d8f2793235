// Pictures on every backend: a picture file decodes to the same pixels; a file that is no
// picture is refused with 481 and a missing one with 53.
#include <cstdint>
#include <string>

#include "backend_harness.h"
#include "support/error_code.h"
#include "support/temp_folder.h"

namespace velvora::conformance {
namespace {

// A 2 x 2 24-bit BMP: red and green on the top row, blue and white below (rows bottom-up,
// padded to four bytes).
std::string TwoByTwoBmp() {
  const unsigned char bytes[] = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,               // file header
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header...
      16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,  // bottom row: blue, white (BGR), padding
      0, 0, 0xFF, 0, 0xFF, 0, 0, 0};       // top row: red, green
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST_P(BackendContract, APictureFileDecodesToOpaqueArgbRowByRowFromTheTop) {
  test::TempFolder folder;
  folder.Write("four.bmp", TwoByTwoBmp());
  const PicturePtr picture = program().toolkit().LoadPicture(folder / "four.bmp");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width, 2);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu}));
}

TEST_P(BackendContract, AFileThatIsNoPictureIsRefusedWith481AndAMissingOneWith53) {
  test::TempFolder folder;
  folder.Write("notes.jpg", "These are not the pixels you are looking for.\n");
  folder.Write("empty.bmp", "");
  Toolkit& toolkit = program().toolkit();
  EXPECT_EQ(test::ErrorOf([&] { toolkit.LoadPicture(folder / "notes.jpg"); }), 481);
  EXPECT_EQ(test::ErrorOf([&] { toolkit.LoadPicture(folder / "empty.bmp"); }), 481);
  EXPECT_EQ(test::ErrorOf([&] { toolkit.LoadPicture(folder / "missing.jpg"); }), 53);
  EXPECT_EQ(test::ErrorOf([&] { toolkit.LoadPicture(folder.Path()); }), 53);  // a folder is no picture file
  EXPECT_EQ(toolkit.LoadPicture(""), nullptr);  // an empty path: an empty picture
}

}  // namespace
}  // namespace velvora::conformance
