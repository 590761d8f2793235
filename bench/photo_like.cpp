#include "photo_like.h"

#include <QImageWriter>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace velvora::bench {
namespace {

// xorshift32: fast, and the same on every machine.
struct Random {
  std::uint32_t state;
  std::uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  float Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }  // [0, 1)
};

// Value noise of one scale: random values on a grid of `cell` pixels, bilinear in between.
class NoiseLayer {
 public:
  NoiseLayer(int width, int height, int cell, float amplitude, Random& random)
      : cell_(cell), columns_(width / cell + 2) {
    values_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(height / cell + 2));
    for (float& v : values_) v = (random.Unit() - 0.5f) * amplitude;
  }
  // Adds the layer's row y to `row`.
  void AddRow(int y, std::vector<float>& row) const {
    const int gy = y / cell_;
    const float fy = static_cast<float>(y % cell_) / static_cast<float>(cell_);
    const float* top = values_.data() + static_cast<std::size_t>(gy) * static_cast<std::size_t>(columns_);
    const float* bottom = top + columns_;
    for (std::size_t x = 0; x < row.size(); ++x) {
      const int gx = static_cast<int>(x) / cell_;
      const float fx = static_cast<float>(static_cast<int>(x) % cell_) / static_cast<float>(cell_);
      const float upper = top[gx] + (top[gx + 1] - top[gx]) * fx;
      const float lower = bottom[gx] + (bottom[gx + 1] - bottom[gx]) * fx;
      row[x] += upper + (lower - upper) * fy;
    }
  }

 private:
  int cell_;
  int columns_;
  std::vector<float> values_;
};

int Channel(float v) { return std::clamp(static_cast<int>(v), 0, 255); }

}  // namespace

QImage PhotoLike(int width, int height, unsigned seed) {
  Random random{seed * 2654435761u + 1u};
  // Brightness at every scale, colour only in the large shapes (as in photos).
  std::vector<NoiseLayer> luma, red, blue;
  const std::pair<int, float> scales[] = {{640, 220}, {160, 110}, {40, 70}, {10, 45}, {3, 30}};
  for (const auto& [cell, amplitude] : scales) luma.emplace_back(width, height, cell, amplitude, random);
  for (const int cell : {900, 200}) {
    red.emplace_back(width, height, cell, 90.0f, random);
    blue.emplace_back(width, height, cell, 90.0f, random);
  }
  QImage image(width, height, QImage::Format_RGB32);
  const auto w = static_cast<std::size_t>(width);
  std::vector<float> l(w), cr(w), cb(w);
  for (int y = 0; y < height; ++y) {
    std::fill(l.begin(), l.end(), 0.0f);
    std::fill(cr.begin(), cr.end(), 0.0f);
    std::fill(cb.begin(), cb.end(), 0.0f);
    for (const NoiseLayer& layer : luma) layer.AddRow(y, l);
    for (const NoiseLayer& layer : red) layer.AddRow(y, cr);
    for (const NoiseLayer& layer : blue) layer.AddRow(y, cb);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (std::size_t x = 0; x < w; ++x) {
      // Sensor grain: some in brightness, some per channel.
      const float grain = (random.Unit() + random.Unit() - 1.0f) * 18.0f;
      const float v = 128.0f + 1.4f * l[x] + grain;
      out[x] = qRgb(Channel(v + cr[x] + (random.Unit() - 0.5f) * 10.0f),
                    Channel(v - 0.5f * (cr[x] + cb[x]) + (random.Unit() - 0.5f) * 10.0f),
                    Channel(v + cb[x] + (random.Unit() - 0.5f) * 10.0f));
    }
  }
  return image;
}

QString WritePicture(const QImage& image, const QString& path, const char* format) {
  QImageWriter writer(path, format);
  if (QByteArray(format) == "jpeg") writer.setQuality(92);
  if (!writer.write(image)) qFatal("cannot write %s: %s", qPrintable(path), qPrintable(writer.errorString()));
  return path;
}

}  // namespace velvora::bench
