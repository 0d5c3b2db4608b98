// What the tool's tests share: running kalvenar-cli for its JSON and reading
// the tables it prints.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <string>

#include "run_cli.h"

// Runs the tool, expects it to succeed and parses what it printed.
inline nlohmann::ordered_json Cli(const std::string& arguments) {
  const CliRun run = RunCli(arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::ordered_json::parse(run.out);
}

// The face-up cards of a row of a printed table.
inline int CardsInRow(const nlohmann::ordered_json& d, int row) {
  int n = 0;
  for (const auto& c : d["rows"][row]) n += c[2].get<int>();
  return n;
}

// A file name of this test process: tests running side by side never share one.
inline std::string TempFile(const std::string& name) {
  return name + "_" + std::to_string(::getpid()) + ".dat";
}
