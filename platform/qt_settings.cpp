#include "platform/qt_settings.h"

#include <QSettings>

namespace anglewise {
namespace {

QString settingKey(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

}  // namespace

std::optional<std::string> QtSettingsStore::GetSetting(const std::string& app,
                                                       const std::string& section,
                                                       const std::string& key) {
  QString name = QString::fromStdString(app);
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, name, name);
  QVariant value = settings.value(settingKey(section, key));
  if (!value.isValid()) return std::nullopt;
  // A hand-edited "1,2" reads as a list; it is not a number, so it becomes
  // text that does not convert.
  if (value.typeId() == QMetaType::QStringList) return std::string("list");
  return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
  QString name = QString::fromStdString(app);
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, name, name);
  settings.setValue(settingKey(section, key), QString::fromStdString(value));
}

}  // namespace anglewise
