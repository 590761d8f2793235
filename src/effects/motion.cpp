// Effects that move or scale whole pictures: slides, pushes, stripes, squeezes and zooms.
#include <algorithm>
#include <array>

#include "effects/frame.h"

namespace velvora::effects {
namespace {

// A picture drawn with its top-left corner at (x, y).
struct Layer {
  const ConstImage* image;
  int x;
  int y;
};

// What shows where no layer lies: a picture in place, or a plain colour.
struct Backdrop {
  const ConstImage* image;
  std::uint32_t colour;
};

void AddBackdrop(const Backdrop& back, int y, int x0, int x1, RowRuns& runs) {
  if (back.image) {
    runs.Copy(x0, x1, back.image->Row(y) + x0);
  } else {
    runs.Fill(x0, x1, back.colour);
  }
}

// Row y of non-overlapping layers over a backdrop.
void LayerRuns(const Frame& f, int y, const Layer* layers, int count, const Backdrop& back,
               RowRuns& runs) {
  std::array<Span, 2> covered{};
  std::array<const Layer*, 2> owner{};
  int n = 0;
  for (int i = 0; i < count; ++i) {
    const Layer& layer = layers[i];
    const int sy = y - layer.y;
    if (sy < 0 || sy >= f.height) continue;
    const int x0 = std::max(0, layer.x);
    const int x1 = std::min(f.width, f.width + layer.x);
    if (x0 >= x1) continue;
    covered[static_cast<std::size_t>(n)] = {x0, x1};
    owner[static_cast<std::size_t>(n)] = &layer;
    ++n;
  }
  if (n == 2 && covered[1].x0 < covered[0].x0) {
    std::swap(covered[0], covered[1]);
    std::swap(owner[0], owner[1]);
  }
  int x = 0;
  for (int i = 0; i < n; ++i) {
    const Span s = covered[static_cast<std::size_t>(i)];
    const Layer& layer = *owner[static_cast<std::size_t>(i)];
    AddBackdrop(back, y, x, s.x0, runs);
    runs.Copy(s.x0, s.x1, layer.image->Row(y - layer.y) + (s.x0 - layer.x));
    x = s.x1;
  }
  AddBackdrop(back, y, x, f.width, runs);
}

// Source index of position i when `source` items are shown in `count` places.
int Scaled(int i, int count, int source) {
  return static_cast<int>((2LL * i + 1) * source / (2LL * count));
}

void FillScaleTable(std::int32_t* table, int count, int source) {
  for (int i = 0; i < count; ++i) table[i] = Scaled(i, count, source);
}

// Slide in, push and slide out; the layers move `travelled` pixels along the direction.
void RenderSlide(const Frame& f, Family family, int direction, float progress) {
  const Step step = StepOf(direction);
  const int tx = Portion(progress, f.width);
  const int ty = Portion(progress, f.height);
  const Layer incoming{&f.to, step.dx * (tx - f.width), step.dy * (ty - f.height)};
  const Layer outgoing{&f.from, step.dx * tx, step.dy * ty};
  const std::array<Layer, 2> both{outgoing, incoming};
  PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
    switch (family) {
      case Family::SlideIn: LayerRuns(f, y, &incoming, 1, {&f.from, 0}, runs); break;
      case Family::SlideOut: LayerRuns(f, y, &outgoing, 1, {&f.to, 0}, runs); break;
      // A diagonal push leaves two corners to neither picture: they show colour A.
      default: LayerRuns(f, y, both.data(), 2, {nullptr, f.colourA}, runs); break;
    }
  });
}

// Alternate bands of the new picture slide in from opposite sides: variant 0 rows, 1 columns.
void RenderStripes(const Frame& f, int variant, float progress) {
  const int bands = std::min(2 * CountOr(f, 8), variant == 0 ? f.height : f.width);
  if (variant == 0) {
    const int tx = Portion(progress, f.width);
    PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
      const bool even = PartOf(y, f.height, bands) % 2 == 0;
      const Layer band{&f.to, even ? tx - f.width : f.width - tx, 0};
      LayerRuns(f, y, &band, 1, {&f.from, 0}, runs);
    });
    return;
  }
  const int ty = Portion(progress, f.height);
  const ColumnParts columns(f.width, bands);
  PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
    for (int k = 0; k < columns.Count(); ++k) {
      const int x0 = columns.Start(k);
      const int sy = y - (k % 2 == 0 ? ty - f.height : f.height - ty);
      const bool inside = sy >= 0 && sy < f.height;
      const std::uint32_t* src = inside ? f.to.Row(sy) : f.from.Row(y);
      runs.Copy(x0, columns.End(k), src + x0);
    }
  });
}

// The new picture grows from one side, squeezing the old one into the rest.
void RenderSqueeze(const Frame& f, int direction, float progress) {
  const bool newFirst = direction == kRight || direction == kDown;
  if (direction == kDown || direction == kUp) {
    const int grown = Portion(progress, f.height);
    const int start = newFirst ? 0 : f.height - grown;
    PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
      const bool isNew = y >= start && y < start + grown;
      const int sy = isNew ? Scaled(y - start, grown, f.height)
                           : Scaled(y < start ? y : y - grown, f.height - grown, f.height);
      runs.Copy(0, f.width, (isNew ? f.to : f.from).Row(sy));
    });
    return;
  }
  const int grown = Portion(progress, f.width);
  const int start = newFirst ? 0 : f.width - grown;
  const int oldStart = newFirst ? grown : 0;
  auto& columns = f.scratch.columns;
  columns.resize(static_cast<std::size_t>(f.width));
  FillScaleTable(columns.data() + start, grown, f.width);
  FillScaleTable(columns.data() + oldStart, f.width - grown, f.width);
  PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
    runs.Gather(start, start + grown, f.to.Row(y), columns.data() + start);
    runs.Gather(oldStart, oldStart + f.width - grown, f.from.Row(y), columns.data() + oldStart);
  });
}

// Variant 0: the new picture grows from the centre; 1: the old one shrinks into it.
void RenderZoom(const Frame& f, int variant, float progress) {
  const bool growing = variant == 0;
  const float scale = growing ? progress : 1.0f - progress;
  const ConstImage& inner = growing ? f.to : f.from;
  const ConstImage& outer = growing ? f.from : f.to;
  const int w = Portion(scale, f.width);
  const int h = Portion(scale, f.height);
  const int x0 = (f.width - w) / 2;
  const int y0 = (f.height - h) / 2;
  auto& columns = f.scratch.columns;
  columns.resize(static_cast<std::size_t>(f.width));
  FillScaleTable(columns.data(), w, f.width);
  PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
    const std::uint32_t* back = outer.Row(y);
    if (y < y0 || y >= y0 + h) {
      runs.Copy(0, f.width, back);
      return;
    }
    runs.Copy(0, x0, back);
    runs.Gather(x0, x0 + w, inner.Row(Scaled(y - y0, h, f.height)), columns.data());
    runs.Copy(x0 + w, f.width, back + x0 + w);
  });
}

}  // namespace

void RenderMotionFamily(const Frame& f, const EffectEntry& e, float progress) {
  switch (e.family) {
    case Family::Stripes: RenderStripes(f, e.variant, progress); break;
    case Family::Squeeze: RenderSqueeze(f, e.variant, progress); break;
    case Family::Zoom: RenderZoom(f, e.variant, progress); break;
    default: RenderSlide(f, e.family, e.variant, progress); break;
  }
}

}  // namespace velvora::effects
