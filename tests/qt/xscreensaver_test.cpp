// The real xscreensaver runs the installed program as its one screen saver: the show in
// xscreensaver's window at full size, ended by xscreensaver. xscreensaver launches no screen saver
// as root, so a test running as root runs the daemon as nobody, from a folder nobody owns.
// Skipped when xscreensaver is missing (tools/check installs it).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "qt_fixture.h"
#include "support/pictures.h"
#include "virtual_display.h"

#include <X11/Xlib.h>

namespace velvora::test {
namespace {

constexpr QRgb kPictureColour = 0xff20c040;

bool AsRoot() { return geteuid() == 0; }

// A command as the daemon's user.
void StartAsDaemonUser(QProcess& process, const QString& program, const QStringList& args) {
  if (!AsRoot()) return process.start(program, args);
  process.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", program} + args);
}

// The processes running a program file, by their /proc entries. A process that has ended but is
// not yet reaped (a zombie) counts as gone.
std::vector<int> ProcessesOf(const std::string& program) {
  std::vector<int> found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    if (std::filesystem::read_symlink(entry.path() / "exe", ec) != program) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string pid, command, state;
    stat >> pid >> command >> state;
    if (state != "Z") found.push_back(std::stoi(name));
  }
  return found;
}

// The program installed as `cmake --install` puts it, under a prefix in the folder.
bool Install(const std::string& prefix) {
  QProcess install;
  install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  install.start(VELVORA_CMAKE, {"--install", VELVORA_BINARY_DIR, "--prefix", QString::fromStdString(prefix)});
  return install.waitForFinished(60000) && install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
}

struct ScreenSaverEntry {
  QString name;     // the program the entry belongs to
  QString command;  // what xscreensaver's list runs
};

// The description xscreensaver's settings find by the command's name.
ScreenSaverEntry ReadConfiguration(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  ScreenSaverEntry entry;
  while (xml.readNextStartElement()) {
    if (xml.name() == u"screensaver") {
      entry.name = xml.attributes().value("name").toString();
      entry.command = entry.name;
      continue;  // into its children
    }
    if (xml.name() == u"command") entry.command += " " + xml.attributes().value("arg").toString();
    xml.skipCurrentElement();
  }
  return xml.hasError() ? ScreenSaverEntry{} : entry;
}

int PixelsOf(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

// The xscreensaver daemon of one test, on its virtual display.
class Xscreensaver {
 public:
  Xscreensaver(const VirtualDisplay& x, const TempFolder& home, const std::string& prefix) : x_(x) {
    env_.insert("HOME", QString::fromStdString(home.Path()));
    env_.insert("DISPLAY", x.name());
    env_.insert("PATH", QString::fromStdString(prefix + "/bin:/usr/bin:/bin"));
    env_.insert("QT_QPA_PLATFORM", "xcb");
    env_.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString("unix:path=" + home / "no-session-bus"));
    daemon_.setProcessEnvironment(env_);
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    StartAsDaemonUser(daemon_, "xscreensaver", {"--no-splash", "--verbose"});
  }
  ~Xscreensaver() {
    Command("-exit");
    if (!daemon_.waitForFinished(3000)) {
      daemon_.terminate();
      if (!daemon_.waitForFinished(3000)) daemon_.kill();
    }
  }
  // Runs xscreensaver-command; true when it succeeded.
  bool Command(const QString& what) {
    QProcess command;
    command.setProcessEnvironment(env_);
    StartAsDaemonUser(command, "xscreensaver-command", {what});
    return command.waitForFinished(10000) && command.exitCode() == 0;
  }
  bool Ready() {
    return WaitFor([&] { return daemon_.state() == QProcess::Running && Command("-time"); }, 10000);
  }
  // What the daemon has said so far (it is verbose), for a failure's message.
  std::string Log() { return daemon_.readAll().toStdString(); }

 private:
  const VirtualDisplay& x_;
  QProcessEnvironment env_;
  QProcess daemon_;
};

TEST(Xscreensaver, ShowsTheSlideshowInItsWindowAndEndsWhenItIsDeactivated) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  if (QStandardPaths::findExecutable("xscreensaver").isEmpty() ||
      QStandardPaths::findExecutable("xscreensaver-command").isEmpty() ||
      (AsRoot() && QStandardPaths::findExecutable("setpriv").isEmpty())) {
    GTEST_SKIP() << "xscreensaver (or setpriv, as root) missing";
  }
  TempFolder home;
  const std::string prefix = home / "prefix";
  ASSERT_TRUE(Install(prefix));
  const ScreenSaverEntry entry = ReadConfiguration(QString::fromStdString(prefix + "/share/xscreensaver/config/velvora.xml"));
  ASSERT_EQ(entry.name, "velvora");  // the installed program's name: that is how xscreensaver finds it
  ASSERT_TRUE(QFile::exists(QString::fromStdString(prefix + "/bin/") + entry.name));

  // One picture of one colour, fitted to the window; the settings file lies beside the program.
  home.Write("green.bmp", SolidBmp(640, 480, qRed(kPictureColour), qGreen(kPictureColour), qBlue(kPictureColour)));
  std::ofstream(prefix + "/bin/Velvora.ini", std::ios::binary)
      << "5\r\nSec\r\n 1 \r\nFullWin\r\n" << home / "green.bmp" << "\r\n";
  home.Write(".xscreensaver",
             "mode: one\nselected: 0\nlock: False\nsplash: False\nfade: False\nunfade: False\n"
             "timeout: 1:00:00\ncycle: 0:00:00\ndpmsEnabled: False\n"
             "programs: " + entry.command.toStdString() + " \\n\n");
  if (AsRoot()) {
    QProcess chown;
    chown.start("chown", {"-R", "nobody:nogroup", QString::fromStdString(home.Path())});
    ASSERT_TRUE(chown.waitForFinished(10000) && chown.exitCode() == 0);
  }

  Xscreensaver saver(x, home, prefix);
  ASSERT_TRUE(saver.Ready()) << saver.Log();
  ASSERT_TRUE(saver.Command("-activate")) << saver.Log();
  const std::string program = prefix + "/bin/velvora";
  ASSERT_TRUE(WaitFor([&] { return !ProcessesOf(program).empty(); }, 10000)) << saver.Log();

  // The start delay, the first change and its transition: the picture fills the screen but for
  // the countdown line, up to the corner that the transition reaches last.
  QImage screen;
  const bool shown = WaitFor([&] {
    screen = x.Screenshot();
    return PixelsOf(screen, kPictureColour) > screen.width() * screen.height() * 9 / 10 &&
           screen.pixel(screen.width() - 1, screen.height() - 1) == kPictureColour;
  }, 20000);
  SaveArtefact(screen, "xscreensaver");
  ASSERT_TRUE(shown) << "the picture did not show; see the artefact xscreensaver.png\n" << saver.Log();
  // The pointer (in the middle of the screen) is xscreensaver's blank one, as over any of its
  // screen savers.
  EXPECT_TRUE(ReadPointer(x.display()).Blank());

  // xscreensaver ends its screen saver with SIGTERM.
  ASSERT_TRUE(saver.Command("-deactivate"));
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(WaitFor([&] { return ProcessesOf(program).empty(); }, 1000))
      << "still running after " << clock.elapsed() << " ms\n" << saver.Log();
}

// xscreensaver's settings preview a screen saver in a pane of their window, named by
// "--window-id" in hexadecimal; the pane changes size with the dialog.
TEST(Xscreensaver, TheSettingsPreviewFillsItsPaneAsThePaneChangesSize) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  Display* d = x.display();
  const Window pane = x.CreateHost(320, 240);
  ProgramRun run(x);
  run.Start(QString("--root --window-id 0x%1").arg(pane, 0, 16));
  ASSERT_TRUE(WaitFor([&] { return x.EmbeddedSize(pane) == QSize(320, 240); }, 10000));
  XResizeWindow(d, pane, 480, 360);
  XSync(d, False);
  EXPECT_TRUE(WaitFor([&] { return x.EmbeddedSize(pane) == QSize(480, 360); }, 5000));
  XDestroyWindow(d, pane);
  XSync(d, False);
  EXPECT_TRUE(run.Ended(10000));
}

}  // namespace
}  // namespace velvora::test
