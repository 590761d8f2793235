#pragma once
// Frame rows described as runs, each taking its pixels from one place, and a painter that asks
// for the source pixels of row y + 1 before it writes row y. Rows made of pieces read short,
// broken streams that the hardware prefetcher does not follow (two half rows from two pictures
// took twice as long as one whole row); requesting them a row ahead takes the waiting out.
// Runs that carry on where the same run of the row above stopped are a stream the hardware
// already follows; asking for those as well only costs time.
#include <algorithm>
#include <cstdint>
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

// The runs of a batch of rows; within a row left to right, covering it without overlap.
class RowRuns {
 public:
  void Clear();
  // The runs added from now on belong to the next row.
  void StartRow();
  int Rows() const { return static_cast<int>(rowStarts_.size()); }

  // Pixels x0..x1-1 from `first` onwards; joined to the row's previous run when it continues it.
  void Copy(int x0, int x1, const std::uint32_t* first);
  void Fill(int x0, int x1, std::uint32_t colour);
  // Pixel x0 + i from row[columns[i]]; `columns` must be non-decreasing.
  void Gather(int x0, int x1, const std::uint32_t* row, const std::int32_t* columns);
  // A blend of a and b whose weight moves linearly along the run (see RampPixels).
  void Ramp(int x0, int x1, const std::uint32_t* a, const std::uint32_t* b, std::int32_t alpha16,
            std::int32_t step16);

  // Asks the memory system for the source pixels of the runs of `row` (from 1) that do not
  // continue the same run of the row before.
  void Prefetch(int row) const;
  void Paint(int row, std::uint32_t* out) const;

 private:
  const Run* Begin(int row) const { return runs_.data() + rowStarts_[static_cast<std::size_t>(row)]; }
  const Run* End(int row) const;
  // Whether the row being described has a last run that a new one could join.
  Run* JoinableLast(Run::Kind kind, int x0);

  std::vector<Run> runs_;
  std::vector<std::size_t> rowStarts_;
};

// Paints all rows of `out`; describe(y, runs) adds the runs of row y to `runs`. Rows are
// described a batch at a time before any of them is painted: describing writes little, but
// those writes would otherwise wait behind the pixel stores of the row just painted.
template <class Describe>
void PaintRows(Image out, RowRuns& runs, Describe&& describe) {
  constexpr int kBatch = 32;
  for (int first = 0; first < out.height; first += kBatch) {
    const int end = std::min(out.height, first + kBatch);
    const int described = std::min(out.height, end + 1);  // the next batch's first row too
    runs.Clear();
    for (int y = first; y < described; ++y) {
      runs.StartRow();
      describe(y, runs);
    }
    for (int y = first; y < end; ++y) {
      const int row = y - first;
      if (row + 1 < runs.Rows()) runs.Prefetch(row + 1);
      runs.Paint(row, out.Row(y));
    }
  }
}

}  // namespace velvora::effects
