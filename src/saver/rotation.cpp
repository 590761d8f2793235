// The countdown tick, ResetTimer and ChangePic: the picture changes after the interval the
// setup dialog holds, with the next transition effect.
#include <algorithm>

#include "forms/list_controls.h"
#include "forms/program.h"
#include "runtime/convert.h"
#include "runtime/format.h"
#include "saver/frm_saver.h"
#include "setup/frm_setup.h"

namespace velvora {
namespace {

constexpr std::int16_t kLastEffectNo = 113;
constexpr std::int16_t kLastEffectParam = 15;

// The effect number handed to the picture control: the counter, where the control has no
// effect of that number replaced by one it has.
std::int32_t HandedOverEffect(std::int16_t effectNo) {
  switch (effectNo) {
    case 37: return 13;
    case 38: return 14;
    case 40: return 1;
    case 50: return 12;
    case 60: return 3;
    case 61: return 4;
    case 62: return 5;
    case 63: return 6;
    case 64: return 7;
    case 65: return 8;
    case 66: return 9;
    case 90: return 15;
    case 91: return 16;
    case 92: return 17;
    case 93: return 10;
    case 113: return 11;
    default: return effectNo;
  }
}

// The interval number: a value beyond 16 bits is capped to the nearest end of the range, so
// any interval the dialog can store keeps the slideshow running.
std::int16_t IntervalValue(const std::string& text) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(LeadingNumberWide(text), INT16_MIN, INT16_MAX));
}

}  // namespace

void frmSaver::ReadIntervalParts() {
  const std::string& unit = program().IntervalUnit;
  if (unit == "Min") {
    Mins = IntervalValue(Setup().Text1.Text());
    Secs = 0;
    Hrs = 0;
  } else if (unit == "Sec") {
    Secs = IntervalValue(Setup().Text1.Text());
    Mins = 0;
    Hrs = 0;
  }
}

// Minutes are not folded into hours nor seconds into minutes.
std::int32_t frmSaver::SumOfParts() const { return Hrs * 3600 + Mins * 60 + Secs; }

std::string frmSaver::CountdownParts() const { return F(Hrs) + ":" + F(Mins) + ":" + F(Secs); }

void frmSaver::Timer2_Timer() {
  if (TotalSecs <= 0) {
    ChangePic();
    ResetTimer();
    return;
  }
  if (Secs == 0 && Mins > 0) {
    Mins = Sub16(Mins, 1);
    Secs = 60;
  }
  TotalSecs = TotalSecs - 1;
  Secs = Sub16(Secs, 1);
  Label1.SetFontSize(20);
  Label1.SetCaption("The Velvora will change picture in: \n\r" + CountdownParts() + " Minutes.");
}

void frmSaver::ResetTimer() {
  ReadIntervalParts();
  TotalSecs = SumOfParts();
  Label1.SetCaption(CountdownParts());
}

// A failure ends the change silently; what was done stays done. An entry that cannot be loaded
// is passed over for the next one, so one bad file never holds the rotation.
void frmSaver::ChangePic() {
  try {
    if (PicIndex == Setup().List1.ListCount()) PicIndex = 0;
    PlaceForChange();
    mirrors_.PlaceForChange();
    if (LoadNextPicture()) {
      SetUpEffect();
      Image1.Refresh();
      EffectNo = EffectNo == kLastEffectNo ? std::int16_t{1} : Add16(EffectNo, 1);
      EffectParam = EffectParam.value_or(0) == kLastEffectParam ? std::int16_t{0}
                                                                  : Add16(EffectParam.value_or(0), 1);
      Image1.SetVisible(true);
      PicIndex = PicIndex + 1;
    }
  } catch (const RuntimeError&) {
  }
  AnnounceNextPicture();
}

// Names the entry the next change tries first, so the toolkit can decode it meanwhile. Nothing
// depends on it: the change loads whatever the list holds by then, and a hint that cannot be
// given is left out.
void frmSaver::AnnounceNextPicture() {
  try {
    const ListBox& list = Setup().List1;
    // Past the end (an empty list, or an index no change can read) there is nothing to name.
    program().toolkit().PictureComesNext(list.List(PicIndex == list.ListCount() ? 0 : PicIndex));
  } catch (const RuntimeError&) {
  }
}

// Loads the entry at PicIndex into Image1, or, when it cannot be loaded, the next entries in
// turn, each at most once. False when none loads: the last picture stays and PicIndex is back
// where it started. Reading past the end of the list gives an empty path, an empty picture.
bool frmSaver::LoadNextPicture() {
  const ListBox& list = Setup().List1;
  const std::int32_t count = list.ListCount();
  const std::int32_t start = PicIndex;
  for (std::int32_t tried = 1;; ++tried) {
    // An index beyond the list's 16-bit range ends the change, as any other failure does.
    const std::string path = list.List(Checked16(PicIndex));
    try {
      Image1.SetPicture(program().toolkit().LoadPicture(path));
      return true;
    } catch (const RuntimeError&) {
      if (tried >= count) {
        PicIndex = start;
        return false;
      }
    }
    PicIndex = PicIndex + 1 == count ? 0 : PicIndex + 1;
  }
}

void frmSaver::SetUpEffect() {
  Image1.SetProperty(fx::kEffect, HandedOverEffect(EffectNo));
  Image1.SetProperty(fx::kStep, std::int32_t{8});
  Image1.SetProperty(fx::kSpeed, 8.0f * program().Rnd() + 1.0f);
  Image1.SetProperty(fx::kEffectParam, EffectParam ? FxValue{std::int32_t{*EffectParam}} : FxValue{});
  Image1.SetProperty(fx::kColourA, DrawColour());
  Image1.SetProperty(fx::kColourB, DrawColour());
  while (Image1.PropertyLong(fx::kColourB) == Image1.PropertyLong(fx::kColourA)) {
    Image1.SetProperty(fx::kColourB, DrawColour());
  }
}

// One of the eight colours whose components are 0 or 255, from three draws.
Colour frmSaver::DrawColour() {
  auto component = [this] { return program().Rnd() > 0.5f ? 255 : 0; };
  const int r = component();
  const int g = component();
  const int b = component();
  return r + 256 * g + 65536 * b;
}

}  // namespace velvora
