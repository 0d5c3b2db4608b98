// The subcommands of kalvenar-cli; each takes the whole command line.
#pragma once

int RunDeal(int argc, char** argv);
int RunLayout(int, char**);
int RunChoose(int, char**);
int RunSelfPlay(int argc, char** argv);
int RunPlay(int argc, char** argv);
int RunNet(int argc, char** argv);
