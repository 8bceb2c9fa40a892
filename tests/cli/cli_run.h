#pragma once
// Runs spurgear-cli in-process, as a script would run it, and keeps what it
// printed and how it ended.
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace spurgear {

struct CliRun {
  int code;
  std::string out;
  std::string err;
  nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

inline CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
  std::ostringstream out, err;
  std::istringstream in(input);
  const int code = RunCli(args, in, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace spurgear
