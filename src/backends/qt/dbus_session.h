#pragma once
// The desktop session's own screen saver over D-Bus (org.freedesktop.ScreenSaver, which GNOME,
// KDE, Xfce and xscreensaver's systemd helper offer): asked not to blank or lock while the
// slideshow runs full screen. Without a session bus, or without that service, nothing is asked
// and nothing fails.
#include <cstdint>
#include <optional>

namespace velvora::qt::dbus {

class SessionSaverInhibit {
 public:
  SessionSaverInhibit() = default;
  ~SessionSaverInhibit() { Hold(false); }
  SessionSaverInhibit(const SessionSaverInhibit&) = delete;
  SessionSaverInhibit& operator=(const SessionSaverInhibit&) = delete;

  // Asks (true) or releases (false); holds at most one request.
  void Hold(bool hold);
  bool Holding() const { return cookie_.has_value(); }

 private:
  std::optional<std::uint32_t> cookie_;
};

}  // namespace velvora::qt::dbus
