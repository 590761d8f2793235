// The Linux desktop program: the screen saver's switches, and xscreensaver's, on a Qt 6 desktop.
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "app/desktop_arguments.h"
#include "forms/program.h"
#include "backends/qt/qt_monitors.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"
#include "backends/qt/qt_signals.h"
#include "backends/qt/x11_display.h"
#include "startup/main_mode.h"

namespace {

velvora::app::Invocation Read(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return velvora::app::ReadArguments(args, std::getenv("XSCREENSAVER_WINDOW"));
}

void SetUpApplication() {
  QApplication::setApplicationName("Velvora");
  QApplication::setOrganizationName("Velvora");
  // The program ends when the program says so, not when Qt's last window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  velvora::qt::InstallFontSubstitutions();
  const QString icon = velvora::qt::AssetPath("saver");
  if (!icon.isEmpty()) QApplication::setWindowIcon(QIcon(icon));
}

}  // namespace

int main(int argc, char** argv) {
  // Read before Qt takes the options it knows out of the arguments; help needs no display.
  const velvora::app::Invocation call = Read(argc, argv);
  if (call.action != velvora::app::Invocation::Action::Run) return velvora::app::Answer(call, std::cout, std::cerr);
  QApplication app(argc, argv);
  SetUpApplication();

  velvora::qt::QtPlatform platform;
  velvora::Program program(platform.platform(), call.CommandLine(velvora::qt::x11::ScreenRoot()));
  velvora::qt::EndOnTerminationSignals(program);
  velvora::qt::ReportMonitorChanges(program);
  program.Start(velvora::Main);
  if (program.Reason() == velvora::EndReason::LastWindowClosed) {
    velvora::app::ExplainNothingStarted(call, isatty(STDIN_FILENO) && isatty(STDERR_FILENO), std::cerr);
  }
  if (!program.Ended()) QApplication::exec();
  return program.Reason() == velvora::EndReason::RuntimeError ? 1 : 0;
}
