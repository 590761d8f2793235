#pragma once
// The few X11 requests Qt does not offer: a foreign window's size and existence, and the X
// server's own screen saver. Every function is a no-op answering "unknown" when the program does
// not run on an X display (for instance on Qt's offscreen platform).
#include <cstdint>
#include <optional>

#include <QSize>

namespace velvora::qt::x11 {

bool Available();
// The size of any X window by its id, or nothing when there is no such window.
std::optional<QSize> WindowSize(std::uint32_t window);
// The default screen's root window, or 0 off X.
std::uint32_t ScreenRoot();
// The window shows its parent's pointer (it defines none of its own).
void UseParentPointer(std::uint64_t window);
// Suspends (true) or resumes (false) the X server's screen saver and display power saving.
bool SuspendScreenSaver(bool suspend);

}  // namespace velvora::qt::x11
