// Pictures decoded by the Windows Imaging Component and OLE's loader: every format, the errors,
// the bound, the EXIF orientation and paths beyond the code page.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "backends/win32/win32_orientation.h"
#include "backends/win32/win32_pictures.h"
#include "picture_files.h"
#include "platform/file_path.h"
#include "platform/toolkit.h"
#include "runtime/errors.h"
#include "support/error_code.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

using test::Encoder;
using win32::DecodePicture;

constexpr SIZE kLarge{4096, 4096};
constexpr std::uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

std::uint32_t At(const Picture& p, int x, int y) {
  return p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) + static_cast<std::size_t>(x)];
}

// Within `tolerance` in every channel (JPEG and scaling blur the edges a little).
::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 24) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) {
      return ::testing::AssertionFailure() << std::hex << actual << " is not near " << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(Win32Pictures, EveryImagingComponentFormatDecodesAtItsSize) {
  test::TempFolder folder;
  const test::Pixels redBlue = test::RedBlue(16, 8);
  for (Encoder encoder : {Encoder::Bmp, Encoder::Png, Encoder::Jpeg, Encoder::Tiff, Encoder::Gif}) {
    const std::string path = folder / (std::string("picture.") + test::Name(encoder));
    if (!test::EncodeWithImagingComponent(encoder, path, redBlue)) {
      ADD_FAILURE() << "the system cannot write " << test::Name(encoder);
      continue;
    }
    const PicturePtr picture = DecodePicture(path, kLarge);
    ASSERT_TRUE(picture) << test::Name(encoder);
    EXPECT_EQ(picture->width, 16) << test::Name(encoder);
    EXPECT_EQ(picture->height, 8) << test::Name(encoder);
    EXPECT_TRUE(Near(At(*picture, 1, 1), kRed)) << test::Name(encoder);
    EXPECT_TRUE(Near(At(*picture, 14, 6), kBlue)) << test::Name(encoder);
  }
}

TEST(Win32Pictures, IconsKeepTheirClearPixels) {
  test::TempFolder folder;
  test::Pixels icon = test::RedBlue(16, 16);
  icon.argb[0] = 0;  // top left clear
  folder.Write("icon.ico", test::IconFile(icon, 1));
  const PicturePtr picture = DecodePicture(folder / "icon.ico", kLarge);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 16);
  EXPECT_EQ(picture->height, 16);
  EXPECT_EQ(At(*picture, 0, 0) >> 24, 0u);
  EXPECT_EQ(At(*picture, 1, 0), kRed);
  EXPECT_EQ(At(*picture, 15, 15), kBlue);
}

// Metafiles and cursors go to OLE's loader.
TEST(Win32Pictures, MetafilesAndCursorsDecodeThroughOle) {
  test::TempFolder folder;
  ASSERT_TRUE(test::WriteEnhancedMetafile(folder / "drawing.emf", 40, 30));
  const std::string wmf = test::PlaceableMetafile(40, 30);
  ASSERT_FALSE(wmf.empty());
  folder.Write("drawing.wmf", wmf);
  test::Pixels cursor = test::RedBlue(32, 32);
  cursor.argb[0] = 0;
  folder.Write("pointer.cur", test::IconFile(cursor, 2));

  for (const char* name : {"drawing.emf", "drawing.wmf"}) {
    const PicturePtr picture = DecodePicture(folder / name, kLarge);
    ASSERT_TRUE(picture) << name;
    EXPECT_NEAR(picture->width, 40, 1) << name;
    EXPECT_NEAR(picture->height, 30, 1) << name;
    EXPECT_TRUE(Near(At(*picture, picture->width / 2, picture->height / 2), kRed)) << name;
  }
  const PicturePtr pointer = DecodePicture(folder / "pointer.cur", kLarge);
  ASSERT_TRUE(pointer);
  EXPECT_EQ(pointer->width, 32);
  EXPECT_EQ(At(*pointer, 0, 0) >> 24, 0u);  // clear stays clear
  EXPECT_TRUE(Near(At(*pointer, 4, 4), kRed));
  EXPECT_TRUE(Near(At(*pointer, 28, 28), kBlue));
}

TEST(Win32Pictures, MissingFileIs53AndAFileThatIsNoPictureIs481) {
  test::TempFolder folder;
  folder.Write("notes.jpg", "just text, named like a picture");
  folder.Write("empty.png", "");
  test::EncodeWithImagingComponent(Encoder::Png, folder / "whole.png", test::RedBlue(64, 64));
  const std::string png = folder.Read("whole.png");
  folder.Write("cut.png", png.substr(0, png.size() / 2));
  std::filesystem::create_directory(FilePath(folder / "folder.png"));

  EXPECT_EQ(DecodePicture("", kLarge), nullptr);
  EXPECT_EQ(test::ErrorOf([&] { DecodePicture(folder / "gone.png", kLarge); }), 53);
  EXPECT_EQ(test::ErrorOf([&] { DecodePicture(folder / "folder.png", kLarge); }), 53);
  for (const char* name : {"notes.jpg", "empty.png", "cut.png"}) {
    EXPECT_EQ(test::ErrorOf([&] { DecodePicture(folder / name, kLarge); }), 481) << name;
  }
}

// The platform decodes the next picture on a worker thread, which starts without COM: both
// decoders work there as on the user-interface thread, and a failure is the same error.
TEST(Win32Pictures, EveryDecoderWorksOnAThreadOfItsOwn) {
  test::TempFolder folder;
  ASSERT_TRUE(test::EncodeWithImagingComponent(Encoder::Jpeg, folder / "photo.jpg", test::RedBlue(16, 8)));
  ASSERT_TRUE(test::WriteEnhancedMetafile(folder / "drawing.emf", 40, 30));
  folder.Write("notes.png", "just text");
  PicturePtr photo, drawing;
  int notPicture = 0;
  std::thread worker([&] {
    photo = DecodePicture(folder / "photo.jpg", SIZE{8, 8});
    drawing = DecodePicture(folder / "drawing.emf", kLarge);
    notPicture = test::ErrorOf([&] { DecodePicture(folder / "notes.png", kLarge); });
  });
  worker.join();
  ASSERT_TRUE(photo);
  EXPECT_EQ(photo->width, 8);
  EXPECT_TRUE(Near(At(*photo, 7, 3), kBlue));
  ASSERT_TRUE(drawing);
  EXPECT_TRUE(Near(At(*drawing, drawing->width / 2, drawing->height / 2), kRed));
  EXPECT_EQ(notPicture, 481);
}

TEST(Win32Pictures, LargePicturesAreScaledDownToTheBoundNeverUp) {
  test::TempFolder folder;
  ASSERT_TRUE(test::EncodeWithImagingComponent(Encoder::Png, folder / "wide.png", test::RedBlue(400, 100)));
  const PicturePtr fitted = DecodePicture(folder / "wide.png", SIZE{100, 100});
  ASSERT_TRUE(fitted);
  EXPECT_EQ(fitted->width, 100);
  EXPECT_EQ(fitted->height, 25);
  EXPECT_TRUE(Near(At(*fitted, 10, 12), kRed));
  EXPECT_TRUE(Near(At(*fitted, 90, 12), kBlue));
  const PicturePtr natural = DecodePicture(folder / "wide.png", SIZE{1000, 1000});
  EXPECT_EQ(natural->width, 400);
  EXPECT_EQ(natural->height, 100);
}

// The stored picture has red on the left; turned clockwise for viewing, red is on top.
TEST(Win32Pictures, JpegsAreTurnedAsTheirExifOrientationSays) {
  test::TempFolder folder;
  ASSERT_TRUE(test::EncodeWithImagingComponent(Encoder::Jpeg, folder / "plain.jpg", test::RedBlue(32, 16)));
  const std::string jpeg = folder.Read("plain.jpg");
  folder.Write("clockwise.jpg", test::WithExifOrientation(jpeg, 6));
  folder.Write("anticlockwise.jpg", test::WithExifOrientation(jpeg, 8, /*bigEndian=*/true));

  const PicturePtr clockwise = DecodePicture(folder / "clockwise.jpg", kLarge);
  ASSERT_TRUE(clockwise);
  EXPECT_EQ(clockwise->width, 16);
  EXPECT_EQ(clockwise->height, 32);
  EXPECT_TRUE(Near(At(*clockwise, 8, 4), kRed));
  EXPECT_TRUE(Near(At(*clockwise, 8, 28), kBlue));
  const PicturePtr anticlockwise = DecodePicture(folder / "anticlockwise.jpg", kLarge);
  ASSERT_TRUE(anticlockwise);
  EXPECT_TRUE(Near(At(*anticlockwise, 8, 28), kRed));

  // The bound holds for the turned picture: 32 x 16 stored, 16 x 32 seen, 8 x 16 within 100 x 16.
  const PicturePtr bounded = DecodePicture(folder / "clockwise.jpg", SIZE{100, 16});
  ASSERT_TRUE(bounded);
  EXPECT_EQ(bounded->width, 8);
  EXPECT_EQ(bounded->height, 16);
}

TEST(Win32Pictures, FoldersBeyondTheCodePageWork) {
  test::TempFolder folder;
  const std::string photos = folder / "写真 ő";
  std::filesystem::create_directory(FilePath(photos));
  const std::string path = photos + kPathSeparator + "海.png";
  ASSERT_TRUE(test::EncodeWithImagingComponent(Encoder::Png, path, test::RedBlue(6, 4)));
  const PicturePtr picture = DecodePicture(path, kLarge);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 6);
}

int OrientationOf(const std::string& bytes) {
  std::istringstream in(bytes);
  return win32::ExifOrientation(in);
}

TEST(ExifOrientation, ReadFromJpegAndTiffInEitherByteOrder) {
  const std::string jpeg = std::string("\xFF\xD8\xFF\xE0\x00\x04\x00\x00", 8) + "\xFF\xD9";  // APP0 first
  EXPECT_EQ(OrientationOf(test::WithExifOrientation(jpeg, 6)), 6);
  EXPECT_EQ(OrientationOf(test::WithExifOrientation(jpeg, 3, /*bigEndian=*/true)), 3);
  EXPECT_EQ(OrientationOf(jpeg), 1);
  EXPECT_EQ(OrientationOf(test::WithExifOrientation(jpeg, 9)), 1);  // no such orientation
  const std::string tiff = test::WithExifOrientation(jpeg, 8, true).substr(2 + 4 + 6);  // the bare TIFF block
  EXPECT_EQ(OrientationOf(tiff), 8);
  EXPECT_EQ(OrientationOf("GIF89a"), 1);
  EXPECT_EQ(OrientationOf(""), 1);
  EXPECT_EQ(OrientationOf(std::string("\xFF\xD8\xFF\xE1\x00\x01", 6)), 1);  // a length that cannot be
}

// A 3 x 2 picture numbered 0 to 5 by rows, as each orientation shows it.
TEST(ExifOrientation, EachOrientationPutsEveryPixelInItsPlace) {
  auto stored = std::make_shared<Picture>(Picture{3, 2, {0, 1, 2, 3, 4, 5}});
  struct Case {
    int orientation, width;
    std::vector<std::uint32_t> pixels;
  };
  for (const Case& c : {Case{1, 3, {0, 1, 2, 3, 4, 5}}, Case{2, 3, {2, 1, 0, 5, 4, 3}}, Case{3, 3, {5, 4, 3, 2, 1, 0}},
                        Case{4, 3, {3, 4, 5, 0, 1, 2}}, Case{5, 2, {0, 3, 1, 4, 2, 5}}, Case{6, 2, {3, 0, 4, 1, 5, 2}},
                        Case{7, 2, {5, 2, 4, 1, 3, 0}}, Case{8, 2, {2, 5, 1, 4, 0, 3}}}) {
    const PicturePtr upright = win32::Upright(stored, c.orientation);
    EXPECT_EQ(upright->width, c.width) << c.orientation;
    EXPECT_EQ(upright->height, 6 / c.width) << c.orientation;
    EXPECT_EQ(upright->pixels, c.pixels) << c.orientation;
  }
}

}  // namespace
}  // namespace velvora
