// The views of the slideshow on the other monitors, and which monitors get one.
#include "saver/saver_mirror.h"

#include <algorithm>

#include "forms/program.h"
#include "saver/frm_saver.h"

namespace velvora {
namespace {

bool SameArea(const TwipsRect& a, const TwipsRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

bool Covers(const SaverMirror& view, const TwipsRect& area) { return SameArea(view.Monitor(), area); }

}  // namespace

SaverMirror::SaverMirror(frmSaver& saver, const TwipsRect& monitor)
    : SlideshowForm(saver.program(), WindowDesign(kName, monitor.width, monitor.height)),
      saver_(saver),
      monitor_(monitor) {
  SetBackColor(saver.BackColor());
  Image2.Follow(saver.Image2);
  Label1.Follow(saver.Label1);
  Image1.Follow(saver.Image1);
  Image11.Follow(saver.Image11);
  const auto moved = [this](int button, int shift, float x, float y) { saver_.Form_MouseMove(button, shift, x, y); };
  Image1.OnMouseMove = moved;
  Image2.OnMouseMove = moved;
}

// Laid out for the monitor's size alone: the view's own place on the desktop does not enter
// (on a primary monitor at 0, 0 the slideshow window's rule comes to the same).
void SaverMirror::Form_Resize() { Arrange(0, 0); }

// Closing a view closes the show.
void SaverMirror::Form_QueryUnload(int& cancel, int unloadMode) {
  cancel = 1;
  program().Unload(saver_, unloadMode);
}

void SaverMirror::Form_Click() { saver_.Form_Click(); }
void SaverMirror::Form_KeyDown(int key, int shift) { saver_.Form_KeyDown(key, shift); }
void SaverMirror::Form_KeyPress(int ch) { saver_.Form_KeyPress(ch); }
void SaverMirror::Form_MouseMove(int button, int shift, float x, float y) {
  saver_.Form_MouseMove(button, shift, x, y);
}

SaverMirrors::~SaverMirrors() = default;

void SaverMirrors::Cover() {
  const std::vector<Monitor> monitors = saver_.program().toolkit().Monitors();
  if (monitors.empty()) return;  // none known (the desktop between two layouts): keep what is shown
  const auto primaryAt = std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
  const TwipsRect primary = (primaryAt == monitors.end() ? monitors.front() : *primaryAt).area;
  std::vector<TwipsRect> others;
  for (const Monitor& m : monitors) {
    const bool seen = std::any_of(others.begin(), others.end(), [&](const TwipsRect& a) { return SameArea(a, m.area); });
    if (m.area.width > 0 && m.area.height > 0 && !SameArea(m.area, primary) && !seen) others.push_back(m.area);
  }
  std::erase_if(views_, [&](const std::unique_ptr<SaverMirror>& view) {
    return std::none_of(others.begin(), others.end(), [&](const TwipsRect& a) { return Covers(*view, a); });
  });
  for (const TwipsRect& area : others) {
    if (std::none_of(views_.begin(), views_.end(), [&](const auto& view) { return Covers(*view, area); })) Open(area);
  }
  const TwipsRect shown{saver_.Left(), saver_.Top(), saver_.Width(), saver_.Height()};
  if (saver_.Visible() && saver_.View() && !SameArea(shown, primary)) saver_.View()->CoverMonitor(primary);
}

// A view opened during the show is placed as if it had been there from the start.
void SaverMirrors::Open(const TwipsRect& monitor) {
  SaverMirror& view = *views_.emplace_back(std::make_unique<SaverMirror>(saver_, monitor));
  view.AttachView(saver_.program().toolkit().Realise(view));
  view.ChangePicSize();
  if (saver_.Image1.Visible()) view.PlaceForChange();
  view.View()->CoverMonitor(monitor);
}

void SaverMirrors::PlaceForChange() {
  for (const auto& view : views_) view->PlaceForChange();
}

}  // namespace velvora
