#include "cli/cli.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <streambuf>

#include "cli/cli_common.h"
#include "cli/cli_drawing.h"
#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "core/version.h"

namespace spurgear {
namespace cli {

void AddLoadOption(CLI::App& command, std::optional<std::string>& load) {
  command.add_option("--load", load,
                     "open a gear data file (.hgd) first, as 読み取り does: its current pair, "
                     "pressure angle included, becomes the pair the other options change")
      ->type_name("FILE");
}

void AddPairOptions(CLI::App& command, PairOptions& o) {
  AddLoadOption(command, o.load);
  command.add_option("--module", o.module, "module in mm (default 1)")->type_name("M");
  command.add_option("--teeth", o.teeth, "tooth counts of gear 1 and gear 2 (default 15 25)")
      ->type_name("Z1 Z2")
      ->expected(2);
  command.add_option("--shift", o.shift,
                     "profile shift coefficients of gear 1 and gear 2 (default 0 0)")
      ->type_name("X1 X2")
      ->expected(2);
  command.add_option("--correction", o.correction,
                     "center distance correction in mm, added to the calculated center "
                     "distance (default 0)")
      ->type_name("MM");
  command.add_option("--save", o.save,
                     "write the current pair and the history to FILE (.hgd) at the end")
      ->type_name("FILE");
}

bool StartPair(MemoryProgram& p, const std::optional<std::string>& load, std::ostream& err) {
  p.StartUp();
  if (!p.box.errors.empty()) {
    err << p.box.errors.back() << "\n";
    return false;
  }
  if (load) {
    // The file's own message names it.
    return RunReported(p, err, [&] { p.commands.OpenGearFile(*load); });
  }
  return true;
}

namespace {

// The option and text a calculate command's conversion failure concerns:
// the inputs are read in this order and the first that does not convert
// ends the reading.
std::string ConcernedInput(const MemoryProgram& p) {
  struct Input {
    const char* field;
    const char* option;
    bool whole;
  };
  static constexpr Input kInputs[] = {{"Edit1", "--module", false}, {"Edit2", "--teeth (z1)", true},
                                      {"Edit3", "--teeth (z2)", true}, {"Edit4", "--shift (x1)", false},
                                      {"Edit5", "--shift (x2)", false},
                                      {"Edit15", "--correction", false}};
  for (const Input& in : kInputs) {
    const std::string text = p.fields.Text(in.field);
    double d;
    int32_t w;
    if (in.whole ? !TryParseWhole(text, w) : !TryParseDecimal(text, d)) return in.option;
  }
  // Everything converted: the calculation itself failed for this pair.
  return "module " + p.fields.Text("Edit1") + ", teeth " + p.fields.Text("Edit2") + " " +
         p.fields.Text("Edit3") + ", shift " + p.fields.Text("Edit4") + " " +
         p.fields.Text("Edit5") + ", correction " + p.fields.Text("Edit15");
}

// The calculation ended in a red "計算不可" line: a root finder without a
// root, in the geometry or in the outlines drawn after it.
bool EndedUnsolved(const MemoryProgram& p) {
  if (p.commands.lastCalcUnsolved) return true;
  const std::vector<std::string>& lines = p.messages.lines;
  static const std::string kUnsolved = "計算不可";
  return p.messages.color == ListColor::Red && !lines.empty() &&
         lines.back().size() >= kUnsolved.size() &&
         lines.back().compare(lines.back().size() - kUnsolved.size(), kUnsolved.size(),
                              kUnsolved) == 0;
}

}  // namespace

CalcOutcome CalculatePair(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  FieldPort& f = p.fields;
  if (o.module) f.SetText("Edit1", *o.module);
  if (o.teeth.size() == 2) {
    f.SetText("Edit2", o.teeth[0]);
    f.SetText("Edit3", o.teeth[1]);
  }
  if (o.shift.size() == 2) {
    f.SetText("Edit4", o.shift[0]);
    f.SetText("Edit5", o.shift[1]);
  }
  // Only the system writes Edit15, so this write raises no change event.
  if (o.correction) f.SetText("Edit15", *o.correction);
  const std::size_t before = p.box.errors.size();
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  if (p.box.errors.size() != before) {
    err << ConcernedInput(p) << ": " << p.box.errors.back() << "\n";
    return CalcOutcome::Failed;
  }
  if (p.commands.lastCheckResult >= 2) {
    // A refused module leaves no gear pair at all: a failure, not a refusal.
    const std::vector<std::string>& lines = p.messages.lines;
    if (std::find(lines.begin(), lines.end(), kModuleRefused) != lines.end()) {
      err << ConcernedInput(p) << ": " << kModuleRefused << "\n";
      return CalcOutcome::Failed;
    }
    return CalcOutcome::Refused;
  }
  if (EndedUnsolved(p)) {
    err << ConcernedInput(p) << ": " << p.messages.lines.back() << "\n";
    return CalcOutcome::Failed;
  }
  return CalcOutcome::Calculated;
}

CalcOutcome RunPair(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  if (!StartPair(p, o.load, err)) return CalcOutcome::Failed;
  return CalculatePair(p, o, err);
}

bool SaveIfAsked(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  if (!o.save) return true;
  try {
    WriteGearFile(p.state.table, *o.save);
    return true;
  } catch (const CommandError& e) {
    err << e.what() << ".\n";
    return false;
  }
}

nlohmann::json Number(double v) {
  if (!std::isfinite(v)) return nullptr;
  return v;
}

nlohmann::json RecordJson(const GearPairRecord& r) {
  nlohmann::json j;
  j["Valid"] = r.Valid;
  j["PressureAngleIndex"] = r.PressureAngleIndex;
  j["Module"] = Number(r.Module);
  j["Teeth1"] = r.Teeth1;
  j["Teeth2"] = r.Teeth2;
  j["Shift1"] = Number(r.Shift1);
  j["Shift2"] = Number(r.Shift2);
  j["WorkingPressureAngle"] = Number(r.WorkingPressureAngle);
  j["CenterModCoef"] = Number(r.CenterModCoef);
  j["CenterDistance"] = Number(r.CenterDistance);
  j["WorkingPitchDia1"] = Number(r.WorkingPitchDia1);
  j["WorkingPitchDia2"] = Number(r.WorkingPitchDia2);
  j["TipDia1"] = Number(r.TipDia1);
  j["TipDia2"] = Number(r.TipDia2);
  j["RootDia1"] = Number(r.RootDia1);
  j["RootDia2"] = Number(r.RootDia2);
  j["BaseDia1"] = Number(r.BaseDia1);
  j["BaseDia2"] = Number(r.BaseDia2);
  j["ContactRatio"] = Number(r.ContactRatio);
  j["TipThickness1"] = Number(r.TipThickness1);
  j["TipThickness2"] = Number(r.TipThickness2);
  j["DistanceCorrection"] = Number(r.DistanceCorrection);
  j["Reserved1"] = Number(r.Reserved1);
  j["NormalBacklash"] = Number(r.NormalBacklash);
  j["Reserved2"] = Number(r.Reserved2);
  j["Gear2Rotation"] = Number(r.Gear2Rotation);
  j["ReservedTail"] = nlohmann::json::array();
  for (int32_t w : r.ReservedTail) j["ReservedTail"].push_back(w);
  return j;
}

void PrintJson(std::ostream& out, const nlohmann::json& value) {
  out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

Subcommand AddCalc(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto options = std::make_shared<PairOptions>();
  CLI::App* c = app.add_subcommand(
      "calc",
      "Calculate a gear pair as the window's 計算 button does and print it as JSON:\n"
      "`results` in gear terms, `check` (0 clean, 1 warnings, 2 refused), `messages`,\n"
      "and `record` and `fields` as the window holds them.");
  AddPairOptions(*c, *options);
  return {c, [options, &out, &err]() {
            MemoryProgram p;
            CalcOutcome outcome = RunPair(p, *options, err);
            bool saved = SaveIfAsked(p, *options, err);
            if (outcome == CalcOutcome::Failed) return 1;
            nlohmann::json j;
            j["check"] = p.commands.lastCheckResult;
            j["messages"] = p.messages.lines;
            j["record"] = RecordJson(p.state.slot0());
            j["results"] = CurrentResults(p);
            nlohmann::json fields;
            for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
                                     "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12",
                                     "Edit13", "Edit14", "Edit15", "Edit16", "Edit17", "Edit47",
                                     "Edit48"}) {
              fields[name] = p.fields.Text(name);
            }
            j["fields"] = fields;
            PrintJson(out, j);
            if (!saved) return 1;
            return static_cast<int>(outcome);
          }};
}

Subcommand AddHgd(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto path = std::make_shared<std::string>();
  CLI::App* c = app.add_subcommand(
      "hgd",
      "Print the 11 slots of a gear data file (.hgd) as JSON, laid over the default table\n"
      "(slot 0 is the current pair, 1..10 the history).");
  c->add_option("FILE", *path, "the gear data file (.hgd)")->required();
  return {c, [path, &out, &err]() {
            HistoryTable table{};
            InitHistoryTable(table);
            try {
              ReadGearFile(table, *path);
            } catch (const CommandError& e) {
              err << e.what() << ".\n";
              return 1;
            }
            nlohmann::json slots = nlohmann::json::array();
            for (const GearPairRecord& r : table) slots.push_back(RecordJson(r));
            PrintJson(out, nlohmann::json{{"slots", slots}});
            return 0;
          }};
}

}  // namespace cli

namespace {

// Starts every line written through it with the program's name, so that a
// script's log says where each message came from.
class PrefixedLines : public std::streambuf {
 public:
  explicit PrefixedLines(std::ostream& dest) : dest_(dest) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
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
  bool lineStart_ = true;
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
    "  1   the command failed or refused (message on standard error), or a\n"
    "      calculation ended in a red \"計算不可\" line; batch: a row failed\n"
    "  2   the tooth-count check refused the pair (the JSON is still printed)\n"
    "  64  usage error (unknown command or option, missing or bad value)\n";

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& rawErr) {
  PrefixedLines prefixed(rawErr);
  std::ostream err(&prefixed);
  CLI::App app{"Calculates a pair of external involute spur gears without the window and\n"
               "prints JSON. Each command starts as the program does (default pair: module 1,\n"
               "15 and 25 teeth, no shift, 20 degrees), or from a file with --load, then\n"
               "acts as the window's commands would. Lengths are in mm, angles in degrees\n"
               "unless named.",
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
      cli::AddReport(app, out, err),
      cli::AddDrawing(app, out, err),  cli::AddTemplate(app, out, err),
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
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
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

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunCli(args, std::cin, out, err);
}

int RunCli(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunCli(args, std::cin, std::cout, std::cerr);
}

}  // namespace spurgear
