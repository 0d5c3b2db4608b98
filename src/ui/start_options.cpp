#include "ui/start_options.h"

#include <charconv>

#include "persistence/settings_schema.h"
#include "table/layout.h"

namespace {

std::optional<int64_t> ParseInteger(const std::string& text) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<std::pair<int, int>> ParseSize(const std::string& text) {
  const auto x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const auto w = ParseInteger(text.substr(0, x));
  const auto h = ParseInteger(text.substr(x + 1));
  if (!w || !h) return std::nullopt;
  if (*w < kMinOuterWidth || *h < kMinOuterHeight || *w > kMaxWindowSize || *h > kMaxWindowSize)
    return std::nullopt;
  return std::pair<int, int>(static_cast<int>(*w), static_cast<int>(*h));
}

std::optional<ScreenshotDialog> DialogNamed(const std::string& name) {
  static const std::pair<const char*, ScreenshotDialog> kDialogs[] = {
      {"options", ScreenshotDialog::Options}, {"background", ScreenshotDialog::Background},
      {"back", ScreenshotDialog::Back},       {"about", ScreenshotDialog::About},
      {"network", ScreenshotDialog::Network},
  };
  for (const auto& [n, dialog] : kDialogs)
    if (name == n) return dialog;
  return std::nullopt;
}

class Parser {
 public:
  Parser(const std::vector<std::string>& args, const Edition& edition)
      : args_(args), edition_(edition) {}

  ParsedStart Parse() {
    ParsedStart result;
    StartOptions& o = result.options;
    o.screenshot = true;
    o.leaveFilesAlone = true;
    std::optional<int64_t> vidg, formg;
    for (i_ = 0; i_ < args_.size() && error_.empty(); ++i_) {
      const std::string& a = args_[i_];
      if (a == "--screenshot") {
        o.file = Value(a);
        if (error_.empty() && o.file.empty()) error_ = "--screenshot needs a file name";
      } else if (a == "--vidg") {
        vidg = Integer(a);
      } else if (a == "--formg") {
        formg = Integer(a);
      } else if (a == "--seed") {
        o.seed = Integer(a);
      } else if (a == "--size") {
        const std::string v = Value(a);
        if (error_.empty()) o.size = ParseSize(v);
        if (error_.empty() && !o.size)
          error_ = "--size needs WIDTHxHEIGHT of at least 635x475, got '" + v + "'";
      } else if (a == "--set") {
        AddSet(o, Value(a));
      } else if (a == "--dialog") {
        const std::string name = Value(a);
        if (error_.empty()) o.dialog = DialogNamed(name);
        if (error_.empty() && !o.dialog)
          error_ = "--dialog needs options, background, back, about or network, got '" + name + "'";
      } else {
        error_ = "unknown argument '" + a + "'";
      }
    }
    if (error_.empty()) CheckGame(o, vidg, formg);
    result.error = error_;
    return result;
  }

 private:
  std::string Value(const std::string& name) {
    if (i_ + 1 >= args_.size()) {
      error_ = name + " needs a value";
      return {};
    }
    return args_[++i_];
  }

  std::optional<int64_t> Integer(const std::string& name) {
    const std::string v = Value(name);
    if (!error_.empty()) return std::nullopt;
    const auto n = ParseInteger(v);
    if (!n) error_ = name + " needs a whole number, got '" + v + "'";
    return n;
  }

  void AddSet(StartOptions& o, const std::string& set) {
    if (!error_.empty()) return;
    const auto eq = set.find('=');
    if (eq == std::string::npos) {
      error_ = "--set needs NAME=VALUE, got '" + set + "'";
      return;
    }
    const std::string name = set.substr(0, eq);
    const SettingEntry* entry = FindSetting(name);
    if (entry == nullptr || !SettingInEdition(edition_, *entry)) {
      error_ = "unknown setting '" + name + "'";
      return;
    }
    const auto value = ParseInteger(set.substr(eq + 1));
    if (!value || *value < INT32_MIN || *value > INT32_MAX ||
        !SettingValueUsable(*entry, static_cast<int32_t>(*value))) {
      error_ = "bad value for setting '" + name + "'";
      return;
    }
    o.sets.emplace_back(name, static_cast<int32_t>(*value));
  }

  void CheckGame(StartOptions& o, std::optional<int64_t> vidg, std::optional<int64_t> formg) {
    if (o.file.empty()) {
      error_ = "--screenshot FILE is missing";
      return;
    }
    if (!vidg && !formg) return;
    if (!vidg || !formg) {
      error_ = "--vidg and --formg go together";
      return;
    }
    if (*vidg < 0 || *vidg > 99 || *formg < 0 || *formg > 99 ||
        !edition_.HasPair(static_cast<int>(*formg), static_cast<int>(*vidg))) {
      error_ = "no game with VidG " + std::to_string(*vidg) + " and FormG " +
               std::to_string(*formg) + " in this edition";
      return;
    }
    o.game = std::pair<int, int>(static_cast<int>(*vidg), static_cast<int>(*formg));
  }

  const std::vector<std::string>& args_;
  const Edition& edition_;
  size_t i_ = 0;
  std::string error_;
};

bool AsksForScreenshot(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--screenshot") return true;
  }
  return false;
}

}  // namespace

ParsedStart ParseStartOptions(const std::vector<std::string>& args, const Edition& edition) {
  if (!AsksForScreenshot(args)) return {};
  return Parser(args, edition).Parse();
}
