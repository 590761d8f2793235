#pragma once
// A program on the Qt backend (offscreen), with helpers to wait, answer modal dialogs and save
// screenshots as test artefacts.
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "forms/program.h"
#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_platform.h"

namespace velvora::test {

struct QtSession {
  QtSession() : program(platform.platform(), "") {}
  qt::QtPlatform platform;
  Program program;

  // The top-level window of a loaded form, and the widget of one of its controls.
  static QWidget* WindowOf(const Form& form);
  static QWidget* WidgetOf(const Form& form, const std::string& control);
};

// Spins the event loop until `done` holds or `ms` pass; returns whether it held.
bool WaitFor(const std::function<bool()>& done, int ms = 3000);
// When the next modal widget opens, hands it to `act` (which answers it).
void OnNextModal(std::function<void(QWidget*)> act);
// Saves a picture of a widget as <build>/tests/qt/artefacts/<name>.png; returns the path.
std::string SaveArtefact(const QImage& image, const std::string& name);
std::string SaveScreenshot(QWidget* widget, const std::string& name);

}  // namespace velvora::test
