#pragma once
// The slideshow on the monitors other than the slideshow window's: on each a borderless window
// over the whole monitor that shows the same show, laid out by the same rules for its own size.
// Its controls follow the slideshow window's (the same picture, transition and countdown line,
// the design pictures and back colour); input on it reaches the slideshow window's handlers,
// so it ends the show as input there does.
#include <memory>
#include <vector>

#include "platform/toolkit.h"
#include "saver/slideshow_form.h"

namespace velvora {

class frmSaver;

class SaverMirror final : public SlideshowForm {
 public:
  static constexpr std::string_view kName = "SaverMirror";
  SaverMirror(frmSaver& saver, const TwipsRect& monitor);

  // The monitor it covers.
  const TwipsRect& Monitor() const { return monitor_; }

  void Form_Resize() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;
  void Form_Click() override;
  void Form_KeyDown(int key, int shift) override;
  void Form_KeyPress(int ch) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;

 private:
  frmSaver& saver_;
  TwipsRect monitor_;
};

// The views of one full-screen slideshow, one for each monitor but the primary.
class SaverMirrors {
 public:
  explicit SaverMirrors(frmSaver& saver) : saver_(saver) {}
  ~SaverMirrors();
  SaverMirrors(const SaverMirrors&) = delete;
  SaverMirrors& operator=(const SaverMirrors&) = delete;

  // Covers the monitors as they are now: a view for each monitor other than the primary (and
  // than one the primary's area already covers), none for monitors that went away; a shown
  // slideshow window is brought back onto the primary.
  void Cover();
  // The slideshow window placed its picture for a change: each view does so for its monitor.
  void PlaceForChange();
  const std::vector<std::unique_ptr<SaverMirror>>& Views() const { return views_; }

 private:
  void Open(const TwipsRect& monitor);

  frmSaver& saver_;
  std::vector<std::unique_ptr<SaverMirror>> views_;
};

}  // namespace velvora
