// Runs one kalvenar-cli command line: the subcommand named by argv[1] with
// its options. Usage mistakes print one line on stderr and give status 2.
#pragma once

int RunCommand(int argc, char** argv);
