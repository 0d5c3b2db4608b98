// How the program was asked to start. Without arguments it starts as the
// player left it; `--screenshot FILE` starts it the same way, deals a chosen
// game from a fixed seed, saves a picture of the window and closes it:
//
//   Kalvenar --screenshot FILE [--vidg V --formg F] [--seed N] [--size WxH]
//            [--set NAME=VALUE]... [--dialog options|background|back|about|network]
//
// With --dialog the picture shows that dialog open over the table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/edition.h"

// The dialogs a screenshot can show over the table.
enum class ScreenshotDialog { Options, Background, Back, About, Network };

struct StartOptions {
  bool screenshot = false;
  std::string file;                                   // where the PNG goes
  std::optional<std::pair<int, int>> game;            // (VidG, FormG)
  std::optional<int64_t> seed;                        // the clock during the deal
  std::optional<std::pair<int, int>> size;            // window width, height
  std::vector<std::pair<std::string, int32_t>> sets;  // option values for this run
  std::optional<ScreenshotDialog> dialog;             // opened over the table
  // The run leaves the player's files alone: the settings are read but not
  // written, and "save.dat" is neither read nor written.
  bool leaveFilesAlone = false;
};

struct ParsedStart {
  StartOptions options;
  std::string error;  // one line; empty when the arguments are good
};

// args are the program's arguments after its name (the ones Qt keeps for
// itself already taken out). Anything but a screenshot request starts the
// program normally.
ParsedStart ParseStartOptions(const std::vector<std::string>& args, const Edition& edition);
