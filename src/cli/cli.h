#pragma once
// spurgear-cli: the headless companion. It runs the window's commands over
// in-memory fields, so the two always agree.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/language.h"

namespace spurgear {

int RunCli(int argc, char** argv);
// For tests: the arguments after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same with standard input given (batch reads it).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);
// The same with the language to speak when the arguments carry no --lang
// (the others speak Japanese then; the program passes its environment's).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, Language fallback);

}  // namespace spurgear
