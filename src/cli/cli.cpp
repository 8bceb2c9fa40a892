#include "cli/cli.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "cli/cli_common.h"
#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace cli {

void AddPairOptions(CLI::App& command, PairOptions& o) {
  command.add_option("--module", o.module, "module text for Edit1 (default \"1\")");
  command.add_option("--teeth", o.teeth, "tooth count texts T1 T2 for Edit2, Edit3")
      ->expected(2);
  command.add_option("--shift", o.shift, "profile shift texts T1 T2 for Edit4, Edit5")
      ->expected(2);
  command.add_option("--correction", o.correction,
                     "center distance correction text, as if Edit15 held it");
  command.add_option("--save", o.save, "write the whole table to FILE at the end (.hgd)");
}

CalcOutcome RunPair(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  p.StartUp();
  if (!p.box.errors.empty()) {
    err << p.box.errors.back() << "\n";
    return CalcOutcome::Failed;
  }
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
  if (!RunReported(p, err, [&] { p.commands.BitBtn1Click(); })) return CalcOutcome::Failed;
  if (p.commands.lastCalcUnsolved) {
    err << p.messages.lines.back() << "\n";
    return CalcOutcome::Failed;
  }
  if (p.commands.lastCheckResult >= 2) {
    // A refused module leaves no gear pair at all: a failure, not a refusal.
    const std::vector<std::string>& lines = p.messages.lines;
    if (std::find(lines.begin(), lines.end(), kModuleRefused) != lines.end()) {
      err << kModuleRefused << "\n";
      return CalcOutcome::Failed;
    }
    return CalcOutcome::Refused;
  }
  return CalcOutcome::Calculated;
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
      "calc", "Calculate a gear pair as the window's 計算 does and print the result as JSON");
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
      "hgd", "Print the 11 slots of a gear data file (.hgd) as JSON, laid over the default table");
  c->add_option("FILE", *path, "the .hgd file")->required();
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

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"spurgear-cli: the gear pair calculator without its window.\n"
               "Each command starts up as the program does (default table, default pair\n"
               "calculated), then acts as the window's commands would.\n"
               "Exit status: 0 done; 1 the command failed (message on standard error);\n"
               "2 the input check refused the tooth counts (JSON printed)."};
  app.require_subcommand(1);
  std::vector<cli::Subcommand> subs = {
      cli::AddCalc(app, out, err),     cli::AddHgd(app, out, err),
      cli::AddBacklash(app, out, err), cli::AddDxf(app, out, err),
      cli::AddLewis(app, out, err),
      cli::AddMeasure(app, out, err),
      cli::AddShift(app, out, err),
      cli::AddReport(app, out, err),
  };
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    std::ostringstream o, er;
    int code = app.exit(e, o, er);
    out << o.str();
    err << er.str();
    return code == 0 ? 0 : 64;
  }
  for (cli::Subcommand& s : subs) {
    if (s.app && s.app->parsed()) return s.run();
  }
  return 64;
}

int RunCli(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunCli(args, std::cout, std::cerr);
}

}  // namespace spurgear
