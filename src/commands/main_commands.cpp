// The calculate command, the correction buttons, start-up and the file menu.
#include <cstring>
#include <iterator>

#include "commands/commands.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "core/outline_check.h"

namespace spurgear {
namespace {

bool SameInputs(const GearPairRecord& a, const GearPairRecord& b) {
  return std::memcmp(&a.Module, &b.Module, sizeof a.Module) == 0 && a.Teeth1 == b.Teeth1 &&
         a.Teeth2 == b.Teeth2 && std::memcmp(&a.Shift1, &b.Shift1, sizeof a.Shift1) == 0 &&
         std::memcmp(&a.Shift2, &b.Shift2, sizeof a.Shift2) == 0 &&
         std::memcmp(&a.DistanceCorrection, &b.DistanceCorrection, sizeof(double)) == 0;
}

// The fields ShowResults fills from the results, Edit15 included.
constexpr const char* kResultFields[] = {"Edit6",  "Edit7",  "Edit8",  "Edit9",  "Edit10",
                                         "Edit11", "Edit12", "Edit13", "Edit14", "Edit16",
                                         "Edit47", "Edit48", "Edit15", "Edit17"};

}  // namespace

void Commands::ReportNoSolution(const std::string& line) {
  ports.timer.SetEnabled(false);
  ports.messages.SetColor(ListColor::Red);
  ports.messages.Add(line);
}

bool Commands::ResultsBelong() const {
  return state.hasResults && SameInputs(state.resultsOf, state.slot0());
}

void Commands::MarkResultsBelong() {
  state.resultsOf = state.slot0();
  state.hasResults = true;
}

void Commands::FormCreate() {
  state.FrameIndex = 0;
  state.BacklashView = BacklashViewState{5.0, 0.0, 0.0};
  ports.fields.SetIndex("CB1", 0);
  ports.pictures.SetVisible("Image1", true);
  for (const char* name : {"Image2", "Image3", "Image4", "Image5"}) {
    ports.pictures.SetVisible(name, false);
  }
  InitHistoryTable(state.table);
  ShowResults();
}

void Commands::ReadInputs() {
  // Each value is stored as soon as it converts; a failure leaves the
  // earlier ones stored.
  GearPairRecord& r = state.slot0();
  FieldPort& f = ports.fields;
  r.Module = ParseDecimal(f.Text("Edit1"));
  r.Teeth1 = ParseWhole(f.Text("Edit2"));
  r.Teeth2 = ParseWhole(f.Text("Edit3"));
  r.Shift1 = ParseDecimal(f.Text("Edit4"));
  r.Shift2 = ParseDecimal(f.Text("Edit5"));
  r.DistanceCorrection = ParseDecimal(f.Text("Edit15"));
}

void Commands::ShowResults() {
  // Every write reads slot 0 at its own moment: the write of Edit15 may run
  // a whole calculation, and the writes after it show that calculation.
  const GearPairRecord& r = state.slot0();
  FieldPort& f = ports.fields;
  f.SetText("Edit1", FormatInput(r.Module));
  f.SetText("Edit2", FormatInput(r.Teeth1));
  f.SetText("Edit3", FormatInput(r.Teeth2));
  f.SetText("Edit4", FormatInput(r.Shift1));
  f.SetText("Edit5", FormatInput(r.Shift2));
  f.SetText("Edit6", FormatResult(r.WorkingPitchDia1));
  f.SetText("Edit7", FormatResult(r.WorkingPitchDia2));
  f.SetText("Edit8", FormatResult(r.TipDia1));
  f.SetText("Edit9", FormatResult(r.TipDia2));
  f.SetText("Edit10", FormatResult(r.RootDia1));
  f.SetText("Edit11", FormatResult(r.RootDia2));
  f.SetText("Edit12", FormatResult(r.BaseDia1));
  f.SetText("Edit13", FormatResult(r.BaseDia2));
  f.SetText("Edit14", FormatResult(static_cast<long double>(r.CenterDistance) + r.DistanceCorrection));
  f.SetText("Edit16", FormatResult(r.ContactRatio));
  f.SetText("Edit47", FormatResult(r.TipThickness1));
  f.SetText("Edit48", FormatResult(r.TipThickness2));
  if (f.SetText("Edit15", FormatResult(r.DistanceCorrection))) Edit15Change();
  f.SetText("Edit17", FormatResult(r.NormalBacklash));
}

bool Commands::FieldsHoldInputs() const {
  const GearPairRecord& r = state.slot0();
  const FieldPort& f = ports.fields;
  const auto same = [&](const char* name, double value) {
    double read;
    return TryParseDecimal(f.Text(name), read) && std::memcmp(&read, &value, sizeof read) == 0;
  };
  const auto sameWhole = [&](const char* name, int32_t value) {
    int32_t read;
    return TryParseWhole(f.Text(name), read) && read == value;
  };
  return same("Edit1", r.Module) && sameWhole("Edit2", r.Teeth1) && sameWhole("Edit3", r.Teeth2) &&
         same("Edit4", r.Shift1) && same("Edit5", r.Shift2) && same("Edit15", r.DistanceCorrection);
}

bool Commands::OutlinesToBuild() const {
  if (keepOutlines || drawViews) return true;
  const GearPairRecord& r = state.slot0();
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  return !CalculationTeethBuild(r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha) ||
         !CalculationTeethBuild(r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha);
}

void Commands::Edit15Change() {
  // A calculation contains at most one nested calculation, and that one none.
  if (calcDepth_ >= 2) return;
  // Inside a calculation whose geometry has just succeeded, a nested one
  // that reads the very same inputs would end exactly as this one goes on
  // to end; only then may it be passed over.
  if (skipRepeatedCalculation && calcDepth_ == 1 && ResultsBelong() && FieldsHoldInputs()) return;
  BitBtn1Click();
}

void Commands::BitBtn1Click() {
  ++calcDepth_;
  struct Depth {
    int& d;
    ~Depth() { --d; }
  } depth{calcDepth_};

  ++calculationCount;
  lastCheckResult = 0;
  lastCalcUnsolved = false;
  ReadInputs();
  const CheckResult check = CheckInputs(state.slot0());
  lastCheckResult = check.result;
  ports.messages.Clear();
  ports.messages.SetColor(check.color);
  for (const std::string& line : check.lines) ports.messages.Add(line);
  if (check.result >= 2) {
    ports.timer.SetEnabled(false);
    return;
  }
  // A pair that passes the check can still fail in the geometry or the
  // outlines. The fields then go back to what they showed, the pair the
  // pictures still show, and the list drops its all-clear line.
  std::string shown[std::size(kResultFields)];
  for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
    shown[i] = ports.fields.Text(kResultFields[i]);
  }
  const auto failed = [&](const std::string& line) {
    state.hasResults = false;  // the outlines are still those of the last good pair
    for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
      ports.fields.SetText(kResultFields[i], shown[i]);  // no recalculation
    }
    ports.timer.SetEnabled(false);
    ports.messages.Clear();
    ports.messages.SetColor(ListColor::Red);
    if (check.color != ListColor::Blue) {
      for (const std::string& l : check.lines) ports.messages.Add(l);
    }
    ports.messages.Add(line);
  };
  // Runs one part of the calculation; false when it ended in a red line.
  const auto part = [&](auto&& work) {
    try {
      work();
      return true;
    } catch (const ConversionError&) {
      throw;  // Edit19's text: the results stay shown, the pictures as they were
    } catch (const NoSolution& e) {
      lastCalcUnsolved = true;
      failed(e.what());
      return false;
    } catch (const CommandError& e) {
      failed(e.what());
      throw;
    }
  };
  if (!part([&] {
        ComputeGeometry(state.slot0());
        MarkResultsBelong();
        ShowResults();
        if (OutlinesToBuild()) BuildMeshOutlines();
        if (drawViews) DrawMeshFrames();
      })) {
    return;
  }
  ports.pictures.SetVisible("Image1", true);
  for (const char* name : {"Image2", "Image3", "Image4", "Image5"}) {
    ports.pictures.SetVisible(name, false);
  }
  ports.timer.SetEnabled(false);
  if (!part([&] {
        if (OutlinesToBuild()) BuildBacklashOutlines();
        if (drawViews) DrawBacklashView();
      })) {
    return;
  }
  ports.fields.SetText("Edit19", "0.000");
}

void Commands::BitBtn3Click() {
  GearPairRecord& r = state.slot0();
  const double shown = ParseDecimal(ports.fields.Text("Edit15"));
  r.DistanceCorrection = static_cast<double>(static_cast<long double>(shown) + r.Module / 100.0L);
  ShowResults();
}

void Commands::BitBtn4Click() {
  GearPairRecord& r = state.slot0();
  const double shown = ParseDecimal(ports.fields.Text("Edit15"));
  r.DistanceCorrection = shown;
  if (shown > 0) {
    r.DistanceCorrection = static_cast<double>(static_cast<long double>(shown) - r.Module / 100.0L);
    ShowResults();
  }
}

void Commands::BitBtn7Click() {
  if (ports.fields.SetText("Edit15", "0.0")) Edit15Change();
  state.slot0().DistanceCorrection = 0.0;
  ShowResults();
}

void Commands::N3Click() { ports.desktop.Close(); }

void Commands::N1Click() {
  if (std::optional<std::string> path = ports.dialogs.Open("OpenDialog1")) {
    ReadGearFile(state.table, *path);
    MarkResultsBelong();
  }
  ShowTable();
}

void Commands::OpenGearFile(const std::string& path) {
  ReadGearFile(state.table, path);
  MarkResultsBelong();
  ShowTable();
}

void Commands::ShowTable() {
  ClearHistoryGrid();
  ShowResults();
  PushHistory();
}

void Commands::N2Click() {
  if (std::optional<std::string> path = ports.dialogs.Save("SaveDialog1")) {
    try {
      WriteGearFile(state.table, *path);
    } catch (const CommandError&) {
      ports.dialogs.WriteFailed("SaveDialog1");
      throw;
    }
  }
}

}  // namespace spurgear
