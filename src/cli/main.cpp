// kalvenar-cli: the engine without a window. Deals, asks the computer
// player, plays whole games and prints what happened as JSON, so that every
// rule can be run, compared and timed from a shell.
#include <cstdio>
#include <string>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
  // `net` alone needs Qt's sockets; the other commands run without it.
  if (argc < 2 || std::string(argv[1]) != "net") return RunCommand(argc, argv);
  try {
    return RunNet(argc, argv);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "kalvenar-cli: %s\n", e.what());
    return 2;
  }
}
