// Any bytes as a picture file through the simulated platform's loader, and what loads fitted to
// a screen as the picture control composes it: a picture within the pixels the platform takes,
// placed inside the screen with the background all around it, or the run-time error of a file
// that is no picture.
#include <cstddef>
#include <cstdint>

#include "backends/sim/sim_platform.h"
#include "effects/compose.h"
#include "fuzz_support.h"
#include "runtime/errors.h"

using velvora::fuzz::Expect;

namespace {

constexpr std::uint32_t kBackground = 0xFF102030u;

void FitToScreen(const velvora::Picture& picture, int width, int height) {
  namespace fx = velvora::effects;
  fx::Canvas screen;
  screen.Resize(width, height);
  const fx::ConstImage view{picture.width, picture.height, picture.pixels.data(), picture.width};
  fx::ComposePicture(view, true, kBackground, screen.View());
  const fx::Rect placed = fx::PlacePicture(picture.width, picture.height, width, height, true);
  Expect(placed.width >= 1 && placed.height >= 1 && placed.x >= 0 && placed.y >= 0 &&
             placed.x + placed.width <= width && placed.y + placed.height <= height,
         "the picture is placed inside the screen");
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool inside = x >= placed.x && x < placed.x + placed.width && y >= placed.y && y < placed.y + placed.height;
      Expect(inside || screen.pixels[static_cast<std::size_t>(y) * width + x] == kBackground,
             "the background all around the picture");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = velvora::fuzz::ScratchFile("picture", {reinterpret_cast<const char*>(data), size});
  velvora::SimPlatform sim(velvora::fuzz::ScratchFolder());
  try {
    const velvora::PicturePtr picture = sim.LoadPicture(path);
    Expect(picture && picture->width > 0 && picture->height > 0, "a picture has pixels");
    Expect(picture->pixels.size() == static_cast<std::size_t>(picture->width) * picture->height, "every pixel is there");
    Expect(std::int64_t{picture->width} * picture->height * 4 <= velvora::kMaxPictureBytes, "within the memory limit");
    FitToScreen(*picture, 640, 480);
    FitToScreen(*picture, 37, 23);
  } catch (const velvora::RuntimeError& e) {
    Expect(e.Code() == 481, "a file that is no picture is an invalid picture");
  }
  return 0;
}
