#pragma once
// The program end to end on a virtual X display (Xvfb), driven by xdotool. Tests using these
// skip when Xvfb or xdotool is missing (tools/check installs them).
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/temp_folder.h"

// Xlib's Display; its headers define macros (None, Bool, Status...) that clash with Qt's and the
// project's names, so the files that need them include them last.
struct _XDisplay;
using Display = _XDisplay;

namespace velvora::test {

// A virtual X server for one test.
class VirtualDisplay {
 public:
  // One screen of this size (Xvfb's WIDTHxHEIGHTxDEPTH). The display keeps a connection of
  // its own open, so the server never resets and monitors set on it stay while it lives.
  explicit VirtualDisplay(const QString& screen = "1024x768x24");
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;
  Display* display() const { return display_; }
  const QString& name() const { return name_; }
  // Runs xrandr on the display ("--setmonitor", "RIGHT", "1024/271x768/203+1280+0", "none");
  // false when it failed or is missing.
  bool Xrandr(const QStringList& args) const;
  // What the screen shows now, windows of every client included.
  QImage Screenshot() const;
  // A mapped window of the test's own at 10, 10, for the program to draw into; its X id.
  unsigned long CreateHost(int width, int height) const;
  // The largest mapped child of a window (what the program embedded); empty when none.
  QSize EmbeddedSize(unsigned long host) const;

 private:
  QProcess server_;
  QString name_;
  Display* display_ = nullptr;
};

// The program copied into a folder of its own (its settings file lives beside it), run with a
// command line on the virtual display. It sees no session bus unless a test gives it one, so no
// test reaches the desktop session of whoever runs it.
class ProgramRun {
 public:
  explicit ProgramRun(const VirtualDisplay& x);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;
  void SetEnvironment(const QString& name, const QString& value);
  void Start(const QString& commandLine);
  bool Ended(int ms);
  // The program's visible top-level window, found by its process id.
  QString Window(const VirtualDisplay& x);
  // A settings file with two pictures beside the program, red "a.png" and blue "b.png" (64 x 48),
  // changing every second, fitted to the window.
  void RedAndBluePictures();
  // Runs xdotool on the display; returns what it printed.
  static QString Tool(const VirtualDisplay& x, const QStringList& args);

  TempFolder folder;
  QProcess process;

 private:
  QString program_;
};

// What the X server shows as the pointer at this moment.
struct PointerImage {
  int width = 0, height = 0;
  int opaquePixels = 0;  // pixels that are not fully transparent
  bool Blank() const { return opaquePixels == 0; }
};
PointerImage ReadPointer(Display* display);

}  // namespace velvora::test

#define REQUIRE_DISPLAY(x) \
  if (!(x).display()) GTEST_SKIP() << "no virtual display: Xvfb or xdotool missing, or Xvfb did not start"
