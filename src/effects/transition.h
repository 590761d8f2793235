#pragma once
// Transition effects of the picture control: one frame of the change from the old picture to
// the new one, as a pure function of both pictures, the progress and the effect settings.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace velvora::effects {

inline constexpr int kFirstEffect = 1;
inline constexpr int kLastEffect = 112;

// Read-only view of 0xAARRGGBB pixels; stride counts pixels from one row to the next.
struct ConstImage {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;
  std::ptrdiff_t stride = 0;

  const std::uint32_t* Row(int y) const { return pixels + y * stride; }
};

// Writable view of 0xAARRGGBB pixels.
struct Image {
  int width = 0;
  int height = 0;
  std::uint32_t* pixels = nullptr;
  std::ptrdiff_t stride = 0;

  std::uint32_t* Row(int y) const { return pixels + y * stride; }
};

struct TransitionParams {
  int effect = 1;       // 1..112; other numbers fall back to effect 1
  int param = 0;        // second value 0..15: count of blinds, bars, cells; 0 or less = default
  float speed = 5.0f;   // 1 slow .. 9 fast; only the duration depends on it
  std::uint32_t colourA = 0xFF000000u;  // ARGB
  std::uint32_t colourB = 0xFFFFFFFFu;  // ARGB
};

// Working memory kept between the frames of one animation so that rendering does not
// allocate once it has warmed up.
class TransitionScratch {
 public:
  TransitionScratch();
  ~TransitionScratch();
  TransitionScratch(const TransitionScratch&) = delete;
  TransitionScratch& operator=(const TransitionScratch&) = delete;

  struct Buffers;
  Buffers& buffers() { return *buffers_; }

 private:
  std::unique_ptr<Buffers> buffers_;
};

// Renders the frame at `progress` (clamped to 0..1; 0 gives exactly `from`, 1 exactly `to`)
// into `out`. All three images must have the same size; `out` must not overlap the others.
void RenderTransition(ConstImage from, ConstImage to, float progress,
                      const TransitionParams& params, Image out, TransitionScratch& scratch);
// The same with throw-away working memory.
void RenderTransition(ConstImage from, ConstImage to, float progress,
                      const TransitionParams& params, Image out);

// How long one transition runs: 2500 ms at speed 1 down to 500 ms at speed 9, linear in
// between; speeds outside 1..9 (or not a number) are taken as the nearest end.
int TransitionDurationMs(float speed);

// The family an effect number belongs to ("wipe", "circle", ...); "wipe" for unknown numbers.
const char* EffectFamilyName(int effect);

// A colour word with red in the low byte (0x00BBGGRR) as opaque ARGB. A word with the top bit
// set refers to a system colour by the index in its low byte; `systemColour` answers it with
// ARGB, or DefaultSystemColour does when none is given.
using SystemColourLookup = std::uint32_t (*)(int index);
std::uint32_t DefaultSystemColour(int index);
std::uint32_t ArgbFromColourWord(std::int32_t word, SystemColourLookup systemColour = nullptr);

}  // namespace velvora::effects
