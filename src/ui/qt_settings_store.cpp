#include "ui/qt_settings_store.h"

#include <limits>

#include "persistence/settings_schema.h"
#include "persistence/statistics.h"

namespace {

QString KeyName(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore(const Edition& edition)
    : edition_(edition),
      settings_(QSettings::IniFormat, QSettings::UserScope, "Software",
                KeyName(edition.settingsKey)) {}

bool QtSettingsStore::KeyExists() const {
  if (!written_.isEmpty()) return true;
  for (const SettingEntry& entry : SettingsSchema()) {
    if (settings_.contains(KeyName(entry.name))) return true;
  }
  for (int v = 0; v < edition_.kindCount; ++v) {
    for (int which = 0; which < 3; ++which) {
      if (settings_.contains(KeyName(StatisticName(edition_, v, which)))) return true;
    }
  }
  return false;
}

std::optional<int32_t> QtSettingsStore::Read(std::string_view name) const {
  if (const auto kept = written_.constFind(KeyName(name)); kept != written_.constEnd()) {
    return *kept;
  }
  const QVariant value = settings_.value(KeyName(name));
  if (!value.isValid()) return std::nullopt;
  return ParseStoredInteger(value.toString());
}

void QtSettingsStore::Write(std::string_view name, int32_t value) {
  if (inMemory_) {
    written_.insert(KeyName(name), value);
    return;
  }
  settings_.setValue(KeyName(name), value);
}

std::optional<int32_t> ParseStoredInteger(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return std::nullopt;
  const qsizetype first = (t[0] == u'-' || t[0] == u'+') ? 1 : 0;
  if (first == t.size()) return std::nullopt;
  for (qsizetype i = first; i < t.size(); ++i) {
    if (t[i] < u'0' || t[i] > u'9') return std::nullopt;
  }
  bool ok = false;
  const qlonglong n = t.toLongLong(&ok, 10);
  if (!ok || n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(n);
}
