// Runs kalvenar-cli's command line in-process with arbitrary arguments (the
// input split at NUL bytes): every mistake must end in a clear usage error
// (status 2), never a crash, a hang or an out-of-bounds read. Files named on
// the command line live in a temporary working folder; arguments that would
// reach outside it, and games long enough to slow the fuzzer down, are
// skipped.
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_command.h"

namespace {

constexpr std::size_t kMostArguments = 64;
constexpr int kMostGames = 1;  // a game of patience can take 50,000 actions

std::vector<std::string> SplitAtNul(const uint8_t* data, size_t size) {
  std::vector<std::string> args;
  std::string current;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  args.push_back(current);
  return args;
}

bool TooManyGames(const std::string& option, const std::string& value) {
  if (option != "--games" && option != "--scale") return false;
  long long n = 0;
  const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
  return ec == std::errc() && n > kMostGames;
}

bool WorthRunning(const std::vector<std::string>& args) {
  if (args.size() > kMostArguments) return false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].find('/') != std::string::npos) return false;
    if (i + 1 < args.size() && TooManyGames(args[i], args[i + 1])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const auto dir = std::filesystem::temp_directory_path() / ("kalvenar-cli-fuzz-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::current_path(dir);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args = SplitAtNul(data, size);
  if (!WorthRunning(args)) return 0;
  args.insert(args.begin(), "kalvenar-cli");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int status = RunCommand(static_cast<int>(args.size()), argv.data());
  if (status < 0 || status > 2) std::abort();
  return 0;
}
