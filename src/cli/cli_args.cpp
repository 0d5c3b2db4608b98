#include "cli/cli_args.h"

#include <charconv>
#include <limits>

void FailUsage(const std::string& message) { throw UsageError(message); }

std::optional<int64_t> ParseInteger(const std::string& text, bool wide) {
  int64_t v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  if (!wide && (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  return v;
}

CliArgs::CliArgs(int argc, char** argv, int first, const std::set<std::string>& known,
                 const std::set<std::string>& repeatable) {
  for (int i = first; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0) FailUsage("unexpected argument '" + arg + "'");
    const std::string name = arg.substr(2);
    if (!known.count(name)) FailUsage("unknown option '" + arg + "'");
    if (i + 1 >= argc) FailUsage("option '" + arg + "' needs a value");
    if (values_.count(name) && !repeatable.count(name))
      FailUsage("option '" + arg + "' given twice");
    values_[name].push_back(argv[++i]);
  }
}

std::optional<std::string> CliArgs::Get(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second.back();
}

std::vector<std::string> CliArgs::All(const std::string& name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? std::vector<std::string>{} : it->second;
}

std::string CliArgs::Required(const std::string& name) const {
  const auto v = Get(name);
  if (!v) FailUsage("missing option '--" + name + "'");
  return *v;
}

int64_t CliArgs::RequiredInt(const std::string& name) const {
  const auto v = ParseInteger(Required(name), name == "seed");
  if (!v) FailUsage("option '--" + name + "' needs an integer");
  return *v;
}

std::optional<int64_t> CliArgs::OptionalInt(const std::string& name) const {
  const auto text = Get(name);
  if (!text) return std::nullopt;
  const auto v = ParseInteger(*text, name == "seed");
  if (!v) FailUsage("option '--" + name + "' needs an integer");
  return v;
}
