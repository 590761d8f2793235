// Any bytes as a picture file through the simulated platform's loader: a picture within the
// memory a picture may take, or the run-time error of a file that is no picture.
#include <cstddef>
#include <cstdint>

#include "backends/sim/sim_platform.h"
#include "fuzz_support.h"
#include "runtime/errors.h"

using velvora::fuzz::Expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = velvora::fuzz::ScratchFile("picture", {reinterpret_cast<const char*>(data), size});
  velvora::SimPlatform sim(velvora::fuzz::ScratchFolder());
  try {
    const velvora::PicturePtr picture = sim.LoadPicture(path);
    Expect(picture && picture->width > 0 && picture->height > 0, "a picture has pixels");
    Expect(picture->pixels.size() == static_cast<std::size_t>(picture->width) * picture->height, "every pixel is there");
    Expect(std::int64_t{picture->width} * picture->height * 4 <= velvora::kMaxPictureBytes, "within the memory limit");
  } catch (const velvora::RuntimeError& e) {
    Expect(e.Code() == 481, "a file that is no picture is an invalid picture");
  }
  return 0;
}
