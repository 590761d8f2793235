// The slideshow window's design, its load, the start delay, the input that ends it and its end.
#include "saver/frm_saver.h"

#include <algorithm>
#include <cmath>

#include "forms/program.h"
#include "runtime/convert.h"
#include "settings/preferences.h"
#include "setup/frm_setup.h"

namespace velvora {
namespace {
constexpr std::int16_t kStartDelayTicks = 4;  // Timer2 starts on the tick after these
}  // namespace

// The client area before maximising is the area around the backdrop's design place.
frmSaver::frmSaver(Program& program)
    : SlideshowForm(program, WindowDesign(kName, 12720, 9480)),
      Timer2(Add<Timer>({.name = "Timer2"})),
      Timer1(Add<Timer>({.name = "Timer1"})) {
  Timer2.SetInterval(1000);
  Timer2.SetEnabled(false);
  Timer1.SetInterval(1000);
  Timer1.OnTimer = [this] { Timer1_Timer(); };
  Timer2.OnTimer = [this] { Timer2_Timer(); };
  Image1.OnMouseMove = [this](int b, int s, float x, float y) { Image1_MouseMove(b, s, x, y); };
  Image2.OnMouseMove = [this](int b, int s, float x, float y) { Image2_MouseMove(b, s, x, y); };
}

frmSetup& frmSaver::Setup() { return program().Use<frmSetup>(); }

void frmSaver::Form_Load() {
  Program& p = program();
  if (!p.PreviewMode) guards_ = mdlMain::KeepAccount(p);
  ReadDelay(p.store());
  SetBackColor(ReadBackColor(p.store(), BackColor()));
  if (!p.PreviewMode) mdlMain::SetGuards(p, *guards_);
  LastX = 0;
  LastY = 0;
  EffectNo = 1;
  ReadIntervalParts();
  StartTicks = 0;
  TotalSecs = SumOfParts();
  ChangePicSize();
  if (!p.PreviewMode) mirrors_.Cover();
  AnnounceNextPicture();
}

// Monitors that came get a view of the show, those gone lose theirs.
void frmSaver::Form_MonitorsChanged() {
  if (!program().PreviewMode) mirrors_.Cover();
}

void frmSaver::Timer1_Timer() {
  StartTicks = Add16(StartTicks, 1);
  if (StartTicks > kStartDelayTicks) {
    Timer2.SetEnabled(true);
    Timer1.SetEnabled(false);
  }
}

void frmSaver::CloseOnInput() {
  if (!program().PreviewMode) mdlMain::CloseSaver(*this, *guards_);
}

void frmSaver::Form_Click() { CloseOnInput(); }
void frmSaver::Form_KeyDown(int /*key*/, int /*shift*/) { CloseOnInput(); }
void frmSaver::Form_KeyPress(int /*ch*/) { CloseOnInput(); }

void frmSaver::Form_MouseMove(int /*button*/, int /*shift*/, float x, float y) { MouseMoved(x, y); }
void frmSaver::Image1_MouseMove(int /*button*/, int /*shift*/, float x, float y) { MouseMoved(x, y); }
void frmSaver::Image2_MouseMove(int /*button*/, int /*shift*/, float x, float y) { MouseMoved(x, y); }

// The first move after a fresh record only records; a move elsewhere closes; a move to exactly
// the recorded place clears the record. 0, 0 stands for "nothing recorded".
void frmSaver::MouseMoved(float x, float y) {
  if (program().PreviewMode) return;
  if (LastX == 0 && LastY == 0) {
    LastX = x;
    LastY = static_cast<std::int32_t>(std::clamp<double>(RoundHalfEven(y), INT32_MIN, INT32_MAX));
  } else if (LastX != x || static_cast<float>(LastY) != y) {
    mdlMain::CloseSaver(*this, *guards_);
  } else {
    LastX = 0;
    LastY = 0;
  }
}

void frmSaver::Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {
  program().Release(kName);
  program().Release(frmSetup::kName);
  program().End();
}

void frmSaver::DescribeVariables(PropertySink& s) const {
  s.Number("LastX", LastX);
  s.Integer("LastY", LastY);
  s.Integer("StartTicks", StartTicks);
  s.Integer("EffectNo", EffectNo);
  if (EffectParam) {
    s.Integer("EffectParam", *EffectParam);
  } else {
    s.Empty("EffectParam");
  }
  s.Integer("PicIndex", PicIndex);
  s.Integer("Hrs", Hrs);
  s.Integer("Mins", Mins);
  s.Integer("Secs", Secs);
  s.Integer("TotalSecs", TotalSecs);
}

}  // namespace velvora
