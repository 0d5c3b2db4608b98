// Runs kalvenar-cli as a shell user would and captures what it prints.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

struct CliRun {
  int status = -1;     // exit status
  std::string out;     // standard output (standard error goes to `err`)
  std::string err;
};

// `directory`, when given, is the current directory of the run (where
// "save.dat" lives).
inline CliRun RunCli(const std::string& arguments, const std::string& directory = {}) {
  static int counter = 0;
  const std::string errFile = std::filesystem::absolute("cli_err_" + std::to_string(::getpid()) +
                                                        "_" + std::to_string(counter++) + ".txt");
  std::string command = std::string(KALVENAR_CLI) + " " + arguments + " 2>'" + errFile + "'";
  if (!directory.empty()) command = "cd '" + directory + "' && " + command;
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 65536> buffer{};
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (FILE* f = std::fopen(errFile.c_str(), "r")) {
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) run.err.append(buffer.data(), n);
    std::fclose(f);
  }
  std::remove(errFile.c_str());
  return run;
}
