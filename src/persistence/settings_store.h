// The per-user store of named 32-bit integers that keeps the options, the
// current game and the statistics between runs. The engine sees only this
// interface; the programs use a QSettings file, tests and the headless tool
// the in-memory store below.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  virtual bool KeyExists() const = 0;
  // Nothing when the value is missing or is not an integer.
  virtual std::optional<int32_t> Read(std::string_view name) const = 0;
  virtual void Write(std::string_view name, int32_t value) = 0;
};

class MemoryStore final : public ISettingsStore {
 public:
  bool KeyExists() const override { return !values_.empty(); }
  std::optional<int32_t> Read(std::string_view name) const override {
    const auto it = values_.find(std::string(name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void Write(std::string_view name, int32_t value) override { values_[std::string(name)] = value; }
  const std::map<std::string, int32_t>& Values() const { return values_; }

 private:
  std::map<std::string, int32_t> values_;
};
