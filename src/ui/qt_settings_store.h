// The per-user settings store of the programs: an INI file kept by QSettings
// at $XDG_CONFIG_HOME/Software/Kalvenor2_85.ini (Kalvenor2_84.ini for the
// 2.84 program). Every value is a plain integer under its value name.
#pragma once

#include <QHash>
#include <QSettings>

#include "core/edition.h"
#include "persistence/settings_store.h"

class QtSettingsStore final : public ISettingsStore {
 public:
  explicit QtSettingsStore(const Edition& edition);

  // Whether the file holds any of the edition's options or counters.
  bool KeyExists() const override;
  // Nothing when the value is missing or is not a plain integer that fits
  // 32 bits (a hand-edited "12abc" or "3.5" is not one).
  std::optional<int32_t> Read(std::string_view name) const override;
  // Reaches the file when control returns to the event loop or the store is
  // destroyed; flushing each value at once would make writing the 78
  // statistics after every game take a noticeable pause.
  void Write(std::string_view name, int32_t value) override;

  QString FileName() const { return settings_.fileName(); }

  // From now on nothing reaches the file: what is written is kept for this
  // run only (a screenshot run reads the player's settings and leaves them
  // as they were).
  void KeepWritesInMemory() { inMemory_ = true; }

 private:
  const Edition& edition_;
  QSettings settings_;
  bool inMemory_ = false;
  QHash<QString, int32_t> written_;
};

// Strict reading of a stored integer: optional sign and decimal digits only.
std::optional<int32_t> ParseStoredInteger(const QString& text);
