// The per-user store: QSettings in the user's configuration folder, one file per application,
// one group per section.
#include <QSettings>

#include "backends/qt/qt_platform.h"

namespace velvora::qt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::string QtPlatform::GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Velvora", Q(app));
  settings.beginGroup(Q(section));
  const QVariant value = settings.value(Q(key));
  return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtPlatform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Velvora", Q(app));
  settings.beginGroup(Q(section));
  settings.setValue(Q(key), Q(value));
}

}  // namespace velvora::qt
