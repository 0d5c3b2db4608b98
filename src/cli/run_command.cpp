#include "cli/run_command.h"

#include <cstdio>
#include <string>

#include "cli/cli_args.h"
#include "cli/commands.h"

namespace {

int RunSubcommand(int argc, char** argv) {
  if (argc < 2) FailUsage("usage: kalvenar-cli deal|choose|selfplay|layout|play [options]");
  const std::string command = argv[1];
  if (command == "deal") return RunDeal(argc, argv);
  if (command == "selfplay") return RunSelfPlay(argc, argv);
  if (command == "layout") return RunLayout(argc, argv);
  if (command == "choose") return RunChoose(argc, argv);
  if (command == "play") return RunPlay(argc, argv);
  FailUsage("unknown command '" + command + "'");
}

}  // namespace

int RunCommand(int argc, char** argv) {
  try {
    return RunSubcommand(argc, argv);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "kalvenar-cli: %s\n", e.what());
    return 2;
  }
}
