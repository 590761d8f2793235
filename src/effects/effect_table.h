#pragma once
// Which transition each effect number draws: a family and one of its variants.
namespace velvora::effects {

enum class Family {
  Wipe, SlideIn, Push, SlideOut, SoftWipe, Blinds, Split, Iris, Circle, Diamond, Clock,
  Checkerboard, Dissolve, RandomBars, Stripes, Spiral, Snake, Zoom, Squeeze, Mosaic, Fade,
};

// A band of one of the two colours running ahead of the new picture's edge.
enum class Band { None, ColourA, ColourB };

// The eight travel directions of wipes, slides and pushes (the first four also for squeezes).
enum Direction { kRight, kLeft, kDown, kUp, kDownRight, kDownLeft, kUpRight, kUpLeft };

// The unit step of a direction: dx, dy in -1..1 (screen rows grow downwards).
struct Step {
  int dx;
  int dy;
};
Step StepOf(int direction);

struct EffectEntry {
  Family family;
  int variant;  // meaning per family, see docs/notes/effects.md
  Band band;
};

// The entry of an effect number; numbers outside 1..112 get the entry of effect 1.
const EffectEntry& LookupEffect(int effect);

const char* FamilyName(Family family);

}  // namespace velvora::effects
