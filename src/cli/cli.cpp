// spurgear-cli's driver: the subcommands registered, the arguments parsed,
// the chosen one run, and every line on standard error marked as the CLI's.
#include "cli/cli.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <iostream>
#include <streambuf>

#include "cli/checked_output.h"
#include "cli/cli_common.h"
#include "cli/cli_drawing.h"
#include "cli/cli_language.h"
#include "cli/cli_step.h"
#include "core/version.h"

namespace spurgear {

namespace {

// Starts every line written through it with the program's name, so that a
// script's log says where each message came from.
// In English each whole line is rendered first, so that a message made in
// pieces is found in the catalogue as one.
class PrefixedLines : public std::streambuf {
 public:
  PrefixedLines(std::ostream& dest, Language language) : dest_(dest), language_(language) {}
  ~PrefixedLines() override {
    if (!line_.empty()) dest_ << cli::kProgramName << ": " << cli::RenderLine(language_, line_);
  }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    if (language_ == Language::English) {
      if (ch != '\n' && ch != '\r') {
        line_ += ch;
        return c;
      }
      if (!line_.empty()) dest_ << cli::kProgramName << ": " << cli::RenderLine(language_, line_);
      line_.clear();
      dest_.put(ch);
      return c;
    }
    if (lineStart_ && ch != '\n' && ch != '\r') {
      dest_ << cli::kProgramName << ": ";
      lineStart_ = false;
    }
    dest_.put(ch);
    if (ch == '\n' || ch == '\r') lineStart_ = true;
    return c;
  }
  int sync() override {
    dest_.flush();
    return 0;
  }

 private:
  std::ostream& dest_;
  Language language_;
  bool lineStart_ = true;
  std::string line_;  // English: the line so far
};

// Options that take two values name both (Z1 Z2) rather than one twice.
class OptionFormatter : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* opt) const override {
    std::string s = CLI::Formatter::make_option_opts(opt);
    const std::string twice = " x 2";
    if (const auto at = s.find(twice); at != std::string::npos) s.erase(at, twice.size());
    // The value's name says the choices already ("1|2", "json|csv"); the
    // checker's own description of them ("INT in [1 - 2]") goes.
    if (const auto colon = s.find(':'); colon != std::string::npos) {
      const auto required = s.find(" REQUIRED", colon);
      s.erase(colon, required == std::string::npos ? std::string::npos : required - colon);
    }
    return s;
  }
};

constexpr const char* kExitStatus =
    "Exit status:\n"
    "  0   done\n"
    "  1   the calculation failed or ended in a red \"計算不可\" line (backlash\n"
    "      --contact: \"接触計算不可\"); a value the command converts as the\n"
    "      window converts a field's text (the pair's --module, --teeth, --shift,\n"
    "      --correction, and every other number or name passed as text) that the\n"
    "      conversion refuses, with the window's message; the command's own\n"
    "      output failed or was refused, the system's reason after the message\n"
    "      (\"ファイル F を作成できません. 理由: <reason>\"), standard output\n"
    "      included (\"出力を書き込めません: <reason>\"; a closed pipe: no\n"
    "      message, status 1, never a signal);\n"
    "      batch: a row failed or was refused, or the input could not be read\n"
    "  2   the tooth-count check refused the pair: the check's line on standard\n"
    "      error, the JSON still printed, no file written\n"
    "  64  usage error: an unknown command or option, a missing value, or a\n"
    "      value outside an option's fixed choices (--gear, --fillet, --shock,\n"
    "      lewis' and report's --material, --format, --jobs, --pressure-angle,\n"
    "      --balance), rejected before anything runs\n";

}  // namespace

int RunCli(const std::vector<std::string>& givenArgs, std::istream& in, std::ostream& out,
           std::ostream& rawErr, Language fallback) {
  std::vector<std::string> args = givenArgs;
  std::optional<Language> chosen;
  std::string refused;
  if (!cli::TakeLanguageOption(args, chosen, refused)) {
    rawErr << cli::kProgramName << ": --lang takes en or ja, not '" << refused << "'\n";
    return 64;
  }
  const Language language = chosen.value_or(fallback);
  PrefixedLines prefixed(rawErr, language);
  std::ostream err(&prefixed);
  cli::SetLanguage(err, language);
  cli::SetLanguage(out, language);
  CLI::App app{"Calculates a pair of external involute spur gears without the window and\n"
               "prints JSON. Each command starts as the program does (default pair: module 1,\n"
               "15 and 25 teeth, no shift, 20 degrees), or from a file with --load, then\n"
               "acts as the window's commands would. Lengths are in mm, angles in degrees\n"
               "unless named. Messages are Japanese unless --lang en is given, or LANGUAGE\n"
               "or else LANG names English (en, en_US.UTF-8); --lang ja keeps Japanese.",
               cli::kProgramName};
  app.require_subcommand(1);
  app.formatter(std::make_shared<OptionFormatter>());
  app.set_version_flag("--version", std::string(cli::kProgramName) + " " + kVersion,
                       "print the program's name and version and exit");
  app.set_help_flag("-h,--help", "print this help and exit; COMMAND --help for a command");
  app.footer(std::string(kExitStatus) +
             "\nExamples:\n"
             "  spurgear-cli calc --module 2 --teeth 18 40 --shift 0.3 0.1\n"
             "  spurgear-cli calc --load pair.hgd --correction 0.05\n"
             "  printf 'module,z1,z2\\n2,18,40\\n3,20,61\\n' | spurgear-cli batch --format csv\n");
  std::vector<cli::Subcommand> subs = {
      cli::AddCalc(app, out, err),     cli::AddHgd(app, out, err),
      cli::AddBacklash(app, out, err), cli::AddDxf(app, out, err),
      cli::AddLewis(app, out, err),    cli::AddBatch(app, in, out, err),
      cli::AddMeasure(app, out, err),  cli::AddShift(app, out, err),
      cli::AddReport(app, out, err),   cli::AddTolerance(app, out, err),
      cli::AddSliding(app, out, err),
      cli::AddRate(app, out, err),     cli::AddSize(app, out, err),
      cli::AddDrawing(app, out, err),  cli::AddTemplate(app, out, err),
      cli::AddStep(app, out, err),
  };
  for (CLI::App* sub : app.get_subcommands({})) {
    sub->footer(kExitStatus);
  }
  // An unknown command is named as such, before the parser would only miss
  // a command.
  auto known = [&](const std::string& name) {
    for (CLI::App* sub : app.get_subcommands({})) {
      if (sub->get_name() == name) return true;
    }
    return false;
  };
  if (!args.empty() && !args[0].empty() && args[0][0] != '-' && !known(args[0])) {
    err << "unknown command '" << args[0] << "'; the commands are";
    for (CLI::App* sub : app.get_subcommands({})) err << " " << sub->get_name();
    err << " (try '" << cli::kProgramName << " --help')\n";
    return 64;
  }
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << cli::RenderHelp(language, app.help());
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << cli::RenderHelp(language, app.help("", CLI::AppFormatMode::All));
    return 0;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& e) {
    std::string where;
    for (CLI::App* sub : app.get_subcommands()) where = sub->get_name() + ": ";
    err << where << e.what() << " (try '" << cli::kProgramName << " "
        << (where.empty() ? "" : where.substr(0, where.size() - 2) + " ") << "--help')\n";
    return 64;
  }
  for (cli::Subcommand& s : subs) {
    if (s.app && s.app->parsed()) return s.run();
  }
  return 64;
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  return RunCli(args, in, out, err, Language::Japanese);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunCli(args, std::cin, out, err);
}

int RunCli(int argc, char** argv) {
  // A reader that goes away (`| head`) makes the next write fail with EPIPE,
  // which ends the command quietly with status 1, instead of killing it.
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  cli::CheckedOutput checked(STDOUT_FILENO);
  std::ostream out(&checked);
  const Language fromEnvironment =
      LanguageOfEnvironment(std::getenv("LANGUAGE"), std::getenv("LANG"));
  std::vector<std::string> rest = args;
  std::optional<Language> chosen;
  std::string refused;
  cli::TakeLanguageOption(rest, chosen, refused);
  const int status = RunCli(args, std::cin, out, std::cerr, fromEnvironment);
  const cli::Verdict v = cli::JudgeOutput(status, checked.Close());
  if (!v.message.empty()) {
    std::cerr << cli::kProgramName << ": "
              << cli::RenderLine(chosen.value_or(fromEnvironment), v.message) << "\n";
  }
  return v.status;
}

}  // namespace spurgear
