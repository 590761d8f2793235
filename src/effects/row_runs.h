#pragma once
// A frame row described as runs, each taking its pixels from one place, and a painter that
// describes row y + 1 and asks for its source pixels before it writes row y. Rows made of
// pieces of two pictures read short, broken streams that the hardware prefetcher does not
// follow (two half rows from two pictures took twice as long as one whole row); requesting
// them a row ahead takes the waiting out.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "effects/transition.h"

namespace velvora::effects {

struct Run {
  enum class Kind : std::uint8_t { Copy, Fill, Gather, Ramp };
  Kind kind;
  int x0;
  int x1;
  // Copy: the source pixel for x0. Gather: the source row. Ramp: the first picture at x0.
  const std::uint32_t* a;
  const std::uint32_t* b;         // Ramp: the second picture at x0
  const std::int32_t* columns;    // Gather: source column of each pixel from x0
  std::uint32_t colour;           // Fill
  std::int32_t alpha16;           // Ramp: weight of the second picture at x0 (16.16, of 256)
  std::int32_t step16;            // Ramp: change of the weight per pixel
};

// The runs of one row, left to right, covering it without overlap.
class RowRuns {
 public:
  void Clear() { runs_.clear(); }
  // Pixels x0..x1-1 from `first` onwards; joined to the previous run when it continues it.
  void Copy(int x0, int x1, const std::uint32_t* first);
  void Fill(int x0, int x1, std::uint32_t colour);
  // Pixel x0 + i from row[columns[i]]; `columns` must be non-decreasing.
  void Gather(int x0, int x1, const std::uint32_t* row, const std::int32_t* columns);
  // A blend of a and b whose weight moves linearly along the run (see RampPixels).
  void Ramp(int x0, int x1, const std::uint32_t* a, const std::uint32_t* b, std::int32_t alpha16,
            std::int32_t step16);

  // Asks the memory system for every source pixel of the row.
  void Prefetch() const;
  void Paint(std::uint32_t* out) const;

 private:
  std::vector<Run> runs_;
};

// Paints all rows of `out`; describe(y, runs) puts the runs of row y into the empty `runs`.
template <class Describe>
void PaintRows(Image out, std::array<RowRuns, 2>& rows, Describe&& describe) {
  RowRuns* current = &rows[0];
  RowRuns* ahead = &rows[1];
  current->Clear();
  describe(0, *current);
  for (int y = 0; y < out.height; ++y) {
    ahead->Clear();
    if (y + 1 < out.height) {
      describe(y + 1, *ahead);
      ahead->Prefetch();
    }
    current->Paint(out.Row(y));
    std::swap(current, ahead);
  }
}

}  // namespace velvora::effects
