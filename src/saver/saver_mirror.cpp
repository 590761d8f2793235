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

bool Listed(const std::vector<TwipsRect>& areas, const TwipsRect& area) {
  return std::any_of(areas.begin(), areas.end(), [&](const TwipsRect& a) { return SameArea(a, area); });
}

const TwipsRect& PrimaryArea(const std::vector<Monitor>& monitors) {
  const auto primary = std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
  return (primary == monitors.end() ? monitors.front() : *primary).area;
}

// The areas a view covers: every monitor's but the primary's (and any the primary's area already
// covers, as a cloned output's), each once; a monitor without area has nothing to show.
std::vector<TwipsRect> AreasForViews(const std::vector<Monitor>& monitors) {
  const TwipsRect& primary = PrimaryArea(monitors);
  std::vector<TwipsRect> areas;
  for (const Monitor& m : monitors) {
    const bool empty = !(m.area.width > 0 && m.area.height > 0);
    if (!empty && !SameArea(m.area, primary) && !Listed(areas, m.area)) areas.push_back(m.area);
  }
  return areas;
}

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
  const auto moved = [this](int button, int shift, float x, float y) {
    saver_.Form_MouseMove(button, shift, x, y);
  };
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
  const std::vector<TwipsRect> areas = AreasForViews(monitors);
  std::erase_if(views_, [&](const std::unique_ptr<SaverMirror>& view) { return !Listed(areas, view->Monitor()); });
  std::vector<TwipsRect> covered;
  for (const auto& view : views_) covered.push_back(view->Monitor());
  for (const TwipsRect& area : areas) {
    if (!Listed(covered, area)) Open(area);
  }
  const TwipsRect& primary = PrimaryArea(monitors);
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
