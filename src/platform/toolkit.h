#pragma once
// What the core asks of a window toolkit. Backends implement it; the core never asks which one.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace velvora {

class Form;
class FormView;
class Timer;

// Message-box style bits and answer codes.
namespace mb {
inline constexpr int kOk = 0x0;
inline constexpr int kOkCancel = 0x1;
inline constexpr int kYesNoCancel = 0x3;
inline constexpr int kYesNo = 0x4;
inline constexpr int kButtonsMask = 0xF;
inline constexpr int kIconStop = 0x10;
inline constexpr int kIconQuestion = 0x20;
inline constexpr int kIconExclamation = 0x30;
inline constexpr int kIconInformation = 0x40;
inline constexpr int kIconMask = 0xF0;
inline constexpr int kDefaultButton2 = 0x100;
inline constexpr int kDefaultButton3 = 0x200;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
// The buttons a style shows, as answer codes in display order.
std::vector<int> Buttons(int style);
// The answer of the default button of a style.
int DefaultAnswer(int style);
}  // namespace mb

// A rectangle on the screen, in twips.
struct TwipsRect {
  float left = 0, top = 0, width = 0, height = 0;
};

// A monitor of the desktop: its whole area (panels included) in twips, in the desktop's
// coordinates; windows are placed in the same ones.
struct Monitor {
  TwipsRect area;
  bool primary = false;
};

// The run-time error box as the core words it.
struct ErrorBox {
  int number = 0;
  std::string description;  // the error's standard text
  std::string text;         // what the box says
  std::string caption;
  int style = 0;            // message-box style bits
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Builds the native window for a form being loaded (hidden until the form is shown).
  virtual std::unique_ptr<FormView> Realise(Form& form) = 0;

  // Timers: called when a timer of a loaded form is enabled, disabled or given a new interval
  // (an enabled timer restarts its count), and when its form goes away.
  virtual void TimerChanged(Timer& timer) = 0;
  virtual void TimerRemoved(Timer& timer) = 0;
  // Runs `work` on the next turn of the event loop (or in DoEvents), after what is queued now.
  virtual void Post(std::function<void()> work) = 0;

  // Modal boxes: they return when the user answers, or at once when Quit is called meanwhile.
  virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
  // The colour dialog, opened with `colour`; returns false when the user cancels.
  virtual bool ChooseColor(std::int32_t& colour) = 0;
  // Decodes a picture file; an empty path gives an empty (null) picture. Throws RuntimeError
  // (53 file not found, 481 invalid picture) on failure.
  virtual PicturePtr LoadPicture(const std::string& path) = 0;
  // The file-name extensions of the pictures LoadPicture decodes: lower case, without the dot.
  virtual std::vector<std::string> PictureExtensions() = 0;
  // The file the next LoadPicture will most likely ask for (empty: none), so that a toolkit can
  // decode it ahead. Only a hint: LoadPicture answers the same with or without it. Never throws.
  virtual void PictureComesNext(const std::string& /*path*/) {}
  // Handles every event already queued, then returns.
  virtual void DoEvents() = 0;
  virtual void ShowErrorBox(const ErrorBox& box) = 0;
  // The part of the screen that windows are placed in (without the desktop's panels).
  virtual TwipsRect WorkArea() = 0;
  // The monitors now, one of them the primary. When they change (one comes or goes, moves,
  // changes size, or another becomes the primary) the backend tells the program through its
  // entry Program::MonitorsChanged.
  virtual std::vector<Monitor> Monitors() = 0;
  // The folder that holds the program file, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  // The roots a user can browse: "C:\" style drives on Windows, "/" and mount points elsewhere.
  virtual std::vector<std::string> Drives() = 0;
  // Stops the event loop and every modal box's loop: the program has ended.
  virtual void Quit() = 0;

  // ---- what the picture controls draw with ----
  // A picture the program ships under `name` (a picture control's design picture); null when
  // there is none.
  virtual PicturePtr LoadAsset(const std::string& name) = 0;
  // A system colour (by its index) on this desktop, as opaque 0xAARRGGBB.
  virtual std::uint32_t SystemColourArgb(int index) = 0;

  // ---- the frame clock, which drives the transitions ----
  // Monotonic milliseconds (virtual time on a simulated platform).
  virtual std::int64_t ClockMs() = 0;
  // From now on calls `onFrame` with ClockMs() once per frame the display shows, until
  // StopFrames; a second call replaces the callback. The callback runs the frame inside the
  // program's dispatch (it never throws) and may call StopFrames.
  virtual void StartFrames(std::function<void(std::int64_t nowMs)> onFrame) = 0;
  virtual void StopFrames() = 0;
};

// The path separator of the platform the core is built for.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace velvora
