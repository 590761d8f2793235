// The desktop session's own screen saver (GNOME, KDE...) is asked not to blank while the slideshow
// runs full screen and released at every end; a preview never asks. A private session bus with a
// stand-in for the session's saver records what it is asked. Skipped when dbus-daemon or Debian's
// python3 is missing (tools/check installs them).
#include <gtest/gtest.h>

#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <csignal>
#include <sys/types.h>

#include "qt_fixture.h"
#include "virtual_display.h"

namespace velvora::test {
namespace {

// The interpreter the Debian packages python3-dbus and python3-gi belong to.
constexpr const char* kPython = "/usr/bin/python3";

// A session bus of the test's own, with or without a screen saver on it.
class PrivateSessionBus {
 public:
  explicit PrivateSessionBus(bool withScreenSaver) {
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty() || !QFile::exists(kPython)) return;
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--fork", "--print-address=1", "--print-pid=1"});
    daemon.waitForFinished(10000);
    const QStringList lines = QString::fromLatin1(daemon.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (lines.size() < 2) return;
    address_ = lines[0].trimmed();
    daemonPid_ = lines[1].trimmed().toInt();
    if (withScreenSaver) StartScreenSaver();
  }
  ~PrivateSessionBus() {
    service_.terminate();
    service_.waitForFinished(3000);
    if (daemonPid_ > 0) ::kill(daemonPid_, SIGTERM);
  }
  bool Available() const { return !address_.isEmpty(); }
  const QString& address() const { return address_; }
  // What the screen saver was asked, one call a line: "Inhibit <application> <cookie>",
  // "UnInhibit <cookie>".
  QStringList Requests() const {
    QFile file(QString::fromStdString(log_ / "requests"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }

 private:
  void StartScreenSaver() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    service_.setProcessEnvironment(env);
    service_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    service_.start(kPython, {VELVORA_FAKE_SCREENSAVER, QString::fromStdString(log_ / "requests")});
    WaitFor([&] { return service_.canReadLine() || service_.state() == QProcess::NotRunning; }, 10000);
    if (service_.readLine().trimmed() != "ready") address_.clear();
  }

  TempFolder log_;
  QString address_;
  pid_t daemonPid_ = 0;
  QProcess service_;
};

#define REQUIRE_BUS(bus) \
  if (!(bus).Available()) GTEST_SKIP() << "no private session bus: dbus-daemon, python3-dbus or python3-gi missing"

// The slideshow full screen on the display, talking to the bus.
void StartFullScreen(ProgramRun& run, const VirtualDisplay& x, const QString& bus) {
  run.SetEnvironment("DBUS_SESSION_BUS_ADDRESS", bus);
  run.Start("/s");
  ASSERT_FALSE(run.Window(x).isEmpty());
}

// A display and a bus with the stand-in screen saver on it.
class SessionSaver : public testing::Test {
 protected:
  void SetUp() override {
    REQUIRE_DISPLAY(x);
    REQUIRE_BUS(bus);
  }
  VirtualDisplay x;
  PrivateSessionBus bus{true};
};

TEST_F(SessionSaver, FullScreenAsksTheSessionNotToBlankAndReleasesItWhenInputEndsIt) {
  ProgramRun run(x);
  StartFullScreen(run, x, bus.address());
  EXPECT_EQ(bus.Requests(), QStringList{"Inhibit Velvora 41"});  // asked before the window shows
  ProgramRun::Tool(x, {"mousemove", "20", "740"});
  EXPECT_FALSE(run.Ended(500));
  ProgramRun::Tool(x, {"mousemove", "60", "700"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(bus.Requests(), (QStringList{"Inhibit Velvora 41", "UnInhibit 41"}));
}

TEST_F(SessionSaver, ATerminationSignalReleasesTheSessionToo) {
  ProgramRun run(x);
  StartFullScreen(run, x, bus.address());
  run.process.terminate();  // SIGTERM
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
  EXPECT_EQ(bus.Requests(), (QStringList{"Inhibit Velvora 41", "UnInhibit 41"}));
}

// Inside another saver's window (a host's preview, xscreensaver) the host owns the blanking:
// xscreensaver's own session helper answers Inhibit, and would never blank again.
TEST_F(SessionSaver, APreviewNeverAsks) {
  const unsigned long host = x.CreateHost(320, 240);
  ProgramRun run(x);
  run.SetEnvironment("DBUS_SESSION_BUS_ADDRESS", bus.address());
  run.Start(QString("/p %1").arg(host));
  // Start-up is over once the preview shows inside its host.
  ASSERT_TRUE(WaitFor([&] { return !x.EmbeddedSize(host).isEmpty(); }, 10000));
  EXPECT_TRUE(bus.Requests().isEmpty());
  run.process.terminate();
  EXPECT_TRUE(run.Ended(10000));
  EXPECT_TRUE(bus.Requests().isEmpty());
}

// A session bus without the service, and no session bus at all: the slideshow runs and ends as
// before, without waiting for an answer that never comes.
TEST(SessionSaverMissing, WithoutTheServiceOrWithoutABusNothingFails) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  PrivateSessionBus bus(false);
  REQUIRE_BUS(bus);
  for (const QString& address : {bus.address(), QString("unix:path=/nonexistent/bus")}) {
    ProgramRun run(x);
    StartFullScreen(run, x, address);
    run.process.terminate();
    ASSERT_TRUE(run.Ended(10000)) << address.toStdString();
    EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit) << address.toStdString();
    EXPECT_EQ(run.process.exitCode(), 0) << address.toStdString();
  }
}

}  // namespace
}  // namespace velvora::test
