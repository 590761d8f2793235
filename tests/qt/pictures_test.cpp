// Picture decoding: every listed format, content before extension, EXIF orientation and
// screen-size decoding. (Refusing what is no picture is a contract of every backend:
// tests/conformance.)
#include <gtest/gtest.h>

#include <QFile>
#include <QImageWriter>

#include "backends/qt/qt_pictures.h"
#include "qt_fixture.h"
#include "runtime/errors.h"
#include "support/memory_peaks.h"
#include "support/temp_folder.h"

namespace velvora::test {
namespace {

// A picture with four quadrants of distinct colours, so a turn or a mirror shows.
QImage Quadrants(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool right = x >= w / 2, bottom = y >= h / 2;
      image.setPixel(x, y, right ? (bottom ? qRgb(0, 0, 255) : qRgb(0, 255, 0)) : (bottom ? qRgb(255, 255, 0) : qRgb(255, 0, 0)));
    }
  }
  return image;
}

std::string Write(const TempFolder& folder, const std::string& name, const QByteArray& format,
                  const QImage& image) {
  const std::string path = folder / name;
  QImageWriter writer(QString::fromStdString(path), format);
  EXPECT_TRUE(writer.write(image)) << name << ": " << writer.errorString().toStdString();
  return path;
}

std::uint32_t At(const Picture& p, int x, int y) { return p.pixels[static_cast<std::size_t>(y * p.width + x)] & 0xFFFFFFu; }

TEST(QtPictures, EveryListedFormatLoadsByContent) {
  TempFolder folder;
  const QImage image = Quadrants(16, 16);
  std::vector<std::string> files = {
      Write(folder, "a.bmp", "bmp", image), Write(folder, "a.dib", "bmp", image),
      Write(folder, "a.jpg", "jpeg", image), Write(folder, "a.png", "png", image),
      Write(folder, "a.ico", "ico", image), Write(folder, "a.webp", "webp", image),
      Write(folder, "a.tif", "tiff", image),
      // Named for one format, holding another: the content decides.
      Write(folder, "png-inside.gif", "png", image)};
  // A cursor is an icon file with type 2 in its header.
  QFile icon(QString::fromStdString(folder / "a.ico"));
  ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
  QByteArray cursor = icon.readAll();
  cursor[2] = 2;
  folder.Write("a.cur", cursor.toStdString());
  files.push_back(folder / "a.cur");
  for (const std::string& path : files) {
    PicturePtr p = qt::DecodePicture(path, {1920, 1080});
    ASSERT_NE(p, nullptr) << path;
    EXPECT_EQ(p->width, 16) << path;
    EXPECT_EQ(p->height, 16) << path;
    const bool lossy = path.ends_with(".jpg") || path.ends_with(".webp");
    if (!lossy) {
      EXPECT_EQ(At(*p, 2, 2), 0xFF0000u) << path;
      EXPECT_EQ(At(*p, 13, 13), 0x0000FFu) << path;
    }
  }
  // A one-pixel red GIF (Qt reads GIF but does not write it).
  const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                               0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00,
                               0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02,
                               0x44, 0x01, 0x00, 0x3B};
  folder.Write("a.gif", std::string(reinterpret_cast<const char*>(gif), sizeof gif));
  PicturePtr p = qt::DecodePicture(folder / "a.gif", {1920, 1080});
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, 1);
  EXPECT_EQ(At(*p, 0, 0), 0xFF0000u);

  // The same picture on a screen 4,000 pixels wide: the size the decoder reports beforehand is
  // not the size it gives, and what it gives is fitted all the same.
  std::string wide(reinterpret_cast<const char*>(gif), sizeof gif);
  wide[6] = '\xA0';
  wide[7] = '\x0F';
  folder.Write("wide.gif", wide);
  p = qt::DecodePicture(folder / "wide.gif", {400, 300});
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, 400);
  EXPECT_EQ(p->height, 1);
}

TEST(QtPictures, ExifOrientationTurnsThePicture) {
  TempFolder folder;
  const std::string path = folder / "turned.jpg";
  QImageWriter writer(QString::fromStdString(path), "jpeg");
  writer.setTransformation(QImageIOHandler::TransformationRotate90);
  ASSERT_TRUE(writer.write(Quadrants(40, 20)));
  PicturePtr p = qt::DecodePicture(path, {1920, 1080});
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, 20);
  EXPECT_EQ(p->height, 40);
  // Turned a quarter clockwise: the red top-left quadrant is now at the top right.
  const std::uint32_t topRight = At(*p, 15, 5);
  EXPECT_GT((topRight >> 16) & 0xFF, 200u);
  EXPECT_LT(topRight & 0xFF, 60u);
}

TEST(QtPictures, LargePicturesAreDecodedAtMostAtTheBound) {
  TempFolder folder;
  const std::string wide = Write(folder, "wide.jpg", "jpeg", Quadrants(800, 400));
  PicturePtr p = qt::DecodePicture(wide, {200, 200});
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, 200);
  EXPECT_EQ(p->height, 100);
  // A small picture is never enlarged.
  p = qt::DecodePicture(Write(folder, "small.png", "png", Quadrants(20, 10)), {200, 200});
  EXPECT_EQ(p->width, 20);
}

// The run-time error a file raises, 0 when it decodes.
int ErrorOf(const std::string& path) {
  try {
    qt::DecodePicture(path, {1920, 1080});
  } catch (const RuntimeError& e) {
    return e.Code();
  }
  return 0;
}

TEST(QtPictures, OddShapesStayPicturesAndClaimsBeyondTheLimitsAreRefused) {
  TempFolder folder;
  // Fitted into the bound, a strip one pixel wide would round to no width at all.
  QImage strip(1, 30000, QImage::Format_RGB32);
  strip.fill(qRgb(150, 60, 180));
  PicturePtr p = qt::DecodePicture(Write(folder, "strip.png", "png", strip), {1024, 768});
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, 1);
  EXPECT_EQ(p->height, 768);
  EXPECT_EQ(At(*p, 0, 400), 0x963CB4u);

  // A small JPEG whose frame header claims 40,000 x 40,000 pixels: a decoder that scales while
  // decoding would still work through all of them.
  const std::string bomb = Write(folder, "bomb.jpg", "jpeg", Quadrants(16, 16));
  std::string bytes = folder.Read("bomb.jpg");
  const std::size_t frame = bytes.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  bytes.replace(frame + 5, 4, "\x9C\x40\x9C\x40");
  folder.Write("bomb.jpg", bytes);
  EXPECT_EQ(ErrorOf(bomb), 481);

  // A PNG whose text chunk after the picture claims 1.7 GB: the PNG library reserved it all.
  Write(folder, "text.png", "png", Quadrants(4, 4));
  std::string png = folder.Read("text.png");
  png.replace(png.size() - 12, 12, std::string("\x67\0\0\0tEXtdate", 12));
  folder.Write("text.png", png);
  const MemoryPeaks peaks;
  EXPECT_EQ(ErrorOf(folder / "text.png"), 481);
  EXPECT_LT(peaks.ReservedGrowthMb(), 64);
}

// The file list offers these extensions: each named file must decode.
TEST(QtPictures, EveryExtensionOfferedDecodes) {
  const std::vector<std::string> offered = qt::PictureExtensions();
  TempFolder folder;
  const QImage image = Quadrants(16, 16);
  const std::vector<std::pair<std::string, QByteArray>> expected = {
      {"png", "png"}, {"jpeg", "jpeg"}, {"jpe", "jpeg"}, {"jfif", "jpeg"},
      {"tif", "tiff"}, {"tiff", "tiff"}, {"webp", "webp"}};
  for (const auto& [extension, format] : expected) {
    EXPECT_NE(std::find(offered.begin(), offered.end(), extension), offered.end()) << extension;
    const std::string path = Write(folder, "a." + extension, format, image);
    EXPECT_EQ(qt::DecodePicture(path, {1920, 1080})->width, 16) << extension;
  }
}

// A picture named ahead is decoded meanwhile; the change still gets the file as it is then, at
// the screen's size, and the same failures.
TEST(QtPictures, ThePlatformLoadsPicturesNamedAheadAsTheyAreWhenAsked) {
  TempFolder folder;
  qt::QtPlatform platform;
  const QSize screen = qt::ScreenBound();
  const std::string path = Write(folder, "a.png", "png", Quadrants(screen.width() * 2, screen.height()));
  platform.PictureComesNext(path);
  PicturePtr p = platform.LoadPicture(path);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, screen.width());
  EXPECT_EQ(p->height, screen.height() / 2);
  platform.PictureComesNext(path);
  Write(folder, "a.png", "png", Quadrants(30, 30));
  EXPECT_EQ(platform.LoadPicture(path)->width, 30);
  const auto error = [&](const std::string& file) {
    platform.PictureComesNext(file);
    try {
      platform.LoadPicture(file);
    } catch (const RuntimeError& e) {
      return e.Code();
    }
    return 0;
  };
  folder.Write("notes.jpg", "not a picture");
  EXPECT_EQ(error(folder / "notes.jpg"), 481);
  EXPECT_EQ(error(folder / "missing.jpg"), 53);
  platform.PictureComesNext("");
  EXPECT_EQ(platform.LoadPicture(""), nullptr);
}

}  // namespace
}  // namespace velvora::test
