#include "backends/qt/dbus_session.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace velvora::qt::dbus {
namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
constexpr const char* kInterface = "org.freedesktop.ScreenSaver";
// A session that does not answer by then is not waited for: the slideshow starts (or ends) anyway.
constexpr int kReplyTimeoutMs = 1000;

// Blocks without running the event loop, so no handler of ours runs inside the call.
QDBusMessage Call(QDBusConnection& bus, const char* method, const QVariantList& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
  call.setArguments(arguments);
  return bus.call(call, QDBus::Block, kReplyTimeoutMs);
}

}  // namespace

void SessionSaverInhibit::Hold(bool hold) {
  if (hold == Holding()) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  if (!hold) {
    Call(bus, "UnInhibit", {QVariant::fromValue(*cookie_)});
    cookie_.reset();
    return;
  }
  const QDBusMessage reply = Call(bus, "Inhibit", {QStringLiteral("Velvora"), QStringLiteral("A picture slideshow is running")});
  if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1) {
    cookie_ = reply.arguments().front().toUInt();
  }
}

}  // namespace velvora::qt::dbus
