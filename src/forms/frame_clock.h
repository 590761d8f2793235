#pragma once
// The transitions that are playing, advanced together on the toolkit's frame clock: the clock
// runs while at least one plays and stops when the last one ends.
#include <cstdint>
#include <vector>

namespace velvora {

class FXImage;
class Program;

class FrameClock {
 public:
  explicit FrameClock(Program& program) : program_(program) {}
  ~FrameClock();
  FrameClock(const FrameClock&) = delete;
  FrameClock& operator=(const FrameClock&) = delete;

  // The toolkit's monotonic time in ms.
  std::int64_t Now() const;
  void Add(FXImage& image);
  void Remove(FXImage& image);
  bool Running() const { return !playing_.empty(); }

 private:
  // One frame: every playing transition moves on, inside the program's dispatch.
  void Frame(std::int64_t now);

  Program& program_;
  std::vector<FXImage*> playing_;
  std::vector<FXImage*> walking_;  // the frame's copy of playing_, kept to spare allocations
};

}  // namespace velvora
