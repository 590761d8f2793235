// A picture change on the desktop backend: decoding a 24-megapixel JPEG at screen size, fitting
// it into a full-HD frame, and one frame of the transition at that size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include "backends/qt/qt_pictures.h"
#include "effects/compose.h"
#include "effects/transition.h"
#include "photo_like.h"

namespace {

const QSize kScreen(1920, 1080);

// A 6000 x 4000 photo-like JPEG, written once.
const std::string& LargeJpeg() {
  static QTemporaryDir folder;
  static const std::string path =
      velvora::bench::WritePicture(velvora::bench::PhotoLike(6000, 4000, 1), folder.filePath("large.jpg"), "jpeg")
          .toStdString();
  return path;
}

QImage Frame(std::uint32_t fill) {
  QImage image(kScreen, QImage::Format_ARGB32);
  image.fill(fill);
  return image;
}

void BM_DecodeLargeJpegAtScreenSize(benchmark::State& state) {
  const std::string& path = LargeJpeg();
  for (auto _ : state) {
    velvora::PicturePtr picture = velvora::qt::DecodePicture(path, kScreen);
    benchmark::DoNotOptimize(picture);
  }
}
BENCHMARK(BM_DecodeLargeJpegAtScreenSize)->Unit(benchmark::kMillisecond);

// The whole change before the first frame: decode, then compose the picture fitted into a
// 1920 x 1080 control as the core's picture control does.
void BM_PictureChange(benchmark::State& state) {
  const std::string& path = LargeJpeg();
  velvora::effects::Canvas frame;
  frame.Resize(kScreen.width(), kScreen.height());
  for (auto _ : state) {
    velvora::PicturePtr picture = velvora::qt::DecodePicture(path, kScreen);
    velvora::effects::ComposePicture({picture->width, picture->height, picture->pixels.data(), picture->width},
                                     true, 0xFF000000u, frame.View());
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_PictureChange)->Unit(benchmark::kMillisecond);

// One frame of a transition at full HD, for a few effect families (by effect number).
void BM_TransitionFrame(benchmark::State& state) {
  const QImage from = Frame(0xFF204080), to = Frame(0xFFC08020);
  QImage out = Frame(0);
  velvora::effects::TransitionScratch scratch;
  const velvora::effects::TransitionParams params{.effect = static_cast<int>(state.range(0)), .speed = 5};
  const auto view = [](const QImage& i) {
    return velvora::effects::ConstImage{i.width(), i.height(), reinterpret_cast<const std::uint32_t*>(i.constBits()),
                                        i.bytesPerLine() / 4};
  };
  const velvora::effects::Image target{out.width(), out.height(), reinterpret_cast<std::uint32_t*>(out.bits()),
                                       out.bytesPerLine() / 4};
  for (auto _ : state) {
    velvora::effects::RenderTransition(view(from), view(to), 0.5f, params, target, scratch);
    benchmark::ClobberMemory();
  }
  state.SetLabel(velvora::effects::EffectFamilyName(params.effect));
}
BENCHMARK(BM_TransitionFrame)->Arg(1)->Arg(30)->Arg(60)->Arg(90)->Arg(112)->Unit(benchmark::kMillisecond);

}  // namespace
