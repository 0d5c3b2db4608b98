// kalvenar-cli: the engine without a window. Deals, asks the computer
// player, plays whole games and prints what happened as JSON, so that every
// rule can be run, compared and timed from a shell.
#include <cstring>
#include <string>

#include "cli/cli_args.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
  if (argc < 2) FailUsage("usage: kalvenar-cli deal [options]");
  const std::string command = argv[1];
  if (command == "deal") return RunDeal(argc, argv);
  if (command == "selfplay") return RunSelfPlay(argc, argv);
  if (command == "layout") return RunLayout(argc, argv);
  if (command == "choose") return RunChoose(argc, argv);
  if (command == "play") return RunPlay(argc, argv);
  if (command == "net") return RunNet(argc, argv);
  FailUsage("unknown command '" + command + "'");
}
