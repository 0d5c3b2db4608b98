// kalvenar-cli: the engine without a window. Deals, asks the computer
// player, plays whole games and prints what happened as JSON, so that every
// rule can be run, compared and timed from a shell.
#include "cli/run_command.h"

int main(int argc, char** argv) { return RunCommand(argc, argv); }
