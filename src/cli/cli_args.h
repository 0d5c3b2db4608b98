// Command-line parsing for kalvenar-cli: options of the form "--name value",
// some of them repeatable. Any mistake ends the command with one line on
// stderr and exit status 2 (see RunCommand).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// A mistake in the command line or in a file it names. Thrown rather than
// exiting on the spot so that the one place that runs a command reports it,
// and so that the parser can be driven in-process by tests and the fuzzer.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void FailUsage(const std::string& message);

class CliArgs {
 public:
  // `known` lists the options this subcommand accepts, `repeatable` those
  // that may appear more than once.
  CliArgs(int argc, char** argv, int first, const std::set<std::string>& known,
          const std::set<std::string>& repeatable = {});

  std::optional<std::string> Get(const std::string& name) const;
  std::vector<std::string> All(const std::string& name) const;
  std::string Required(const std::string& name) const;
  int64_t RequiredInt(const std::string& name) const;
  std::optional<int64_t> OptionalInt(const std::string& name) const;

 private:
  std::map<std::string, std::vector<std::string>> values_;
};

// The whole string must be a decimal integer within int32 (or int64 when wide).
std::optional<int64_t> ParseInteger(const std::string& text, bool wide = false);
