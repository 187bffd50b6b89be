#include "platform/qt_settings_store.h"

#include <QSettings>
#include <QVariant>

#include "base/errors.h"
#include "qt_text/qt_string.h"

using namespace orv::base;
using namespace orv::qt_text;

namespace orv::platform {

namespace {

constexpr const char* kOrganisation = "Mirvex";
constexpr const char* kApplication = "Quorin";
constexpr const char* kGroup = "Param";

}  // namespace

std::optional<std::string> QtSettingsStore::ReadString(const std::string& name) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  const std::string failure = "Failed to get data for '" + name + "'";
  if (settings.status() != QSettings::NoError) throw OrvError(failure);
  settings.beginGroup(kGroup);
  const QString key = ToQString(name);
  if (!settings.contains(key)) return std::nullopt;
  const QVariant value = settings.value(key);
  // A registry DWORD or binary value under the same name is not ours to
  // reinterpret: the caller keeps what it had.
  if (value.typeId() != QMetaType::QString) throw OrvError(failure);
  return ToStdString(value.toString());
}

void QtSettingsStore::WriteString(const std::string& name, const std::string& value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  settings.beginGroup(kGroup);
  settings.setValue(ToQString(name), ToQString(value));
  settings.endGroup();
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw OrvError("Failed to set data for '" + name + "'");
  }
}

}  // namespace orv::platform
