// The Linux desktop program: the screen saver's switches on a Qt 6 desktop.
#include <QApplication>
#include <QIcon>
#include <string>

#include "forms/program.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"
#include "backends/qt/qt_signals.h"
#include "startup/main_mode.h"

namespace {

// The text after the program's name, as one line: the arguments joined by blanks.
std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  // Read before Qt takes the options it knows out of the arguments.
  const std::string commandLine = CommandLine(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velvora");
  QApplication::setOrganizationName("Velvora");
  // The program ends when the program says so, not when Qt's last window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  velvora::qt::InstallFontSubstitutions();
  const QString icon = velvora::qt::AssetPath("saver");
  if (!icon.isEmpty()) QApplication::setWindowIcon(QIcon(icon));

  velvora::qt::QtPlatform platform;
  velvora::Program program(platform.platform(), commandLine);
  velvora::qt::EndOnTerminationSignals(program);
  program.Start(velvora::Main);
  if (!program.Ended()) QApplication::exec();
  return program.Reason() == velvora::EndReason::RuntimeError ? 1 : 0;
}
