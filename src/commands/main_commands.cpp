// The calculate command, the correction buttons, start-up and the file menu.
#include <cstring>
#include <iterator>

#include "commands/commands.h"
#include "commands/control_names.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "core/outline_check.h"
#include "core/pair_check.h"

namespace spurgear {
namespace {

bool SameInputs(const GearPairRecord& a, const GearPairRecord& b) {
  return std::memcmp(&a.Module, &b.Module, sizeof a.Module) == 0 && a.Teeth1 == b.Teeth1 &&
         a.Teeth2 == b.Teeth2 && std::memcmp(&a.Shift1, &b.Shift1, sizeof a.Shift1) == 0 &&
         std::memcmp(&a.Shift2, &b.Shift2, sizeof a.Shift2) == 0 &&
         std::memcmp(&a.DistanceCorrection, &b.DistanceCorrection, sizeof(double)) == 0;
}

// The fields ShowResults fills from the results, Edit15 included.
constexpr const char* kResultFields[] = {
    kWorkingPitchDia1Field, kWorkingPitchDia2Field, kTipDia1Field,       kTipDia2Field,
    kRootDia1Field,         kRootDia2Field,         kBaseDia1Field,      kBaseDia2Field,
    kCenterDistanceField,   kContactRatioField,     kTipThickness1Field, kTipThickness2Field,
    kCorrectionField,       kBacklashField};

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
  ports.fields.SetIndex(kMaterialBox, 0);
  ports.pictures.SetVisible(kMeshFrame1, true);
  for (const char* name : {kMeshFrame2, kMeshFrame3, kMeshFrame4, kMeshFrame5}) {
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
  const char* reading = "module";
  try {
    r.Module = ParseDecimal(f.Text(kModuleField));
    reading = "z1";
    r.Teeth1 = ParseWhole(f.Text(kTeeth1Field));
    reading = "z2";
    r.Teeth2 = ParseWhole(f.Text(kTeeth2Field));
    reading = "x1";
    r.Shift1 = ParseDecimal(f.Text(kShift1Field));
    reading = "x2";
    r.Shift2 = ParseDecimal(f.Text(kShift2Field));
    reading = "correction";
    r.DistanceCorrection = ParseDecimal(f.Text(kCorrectionField));
  } catch (const ConversionError&) {
    unreadInput_ = reading;
    throw;
  }
}

void Commands::ShowResults() {
  // Every write reads slot 0 at its own moment: the write of Edit15 may run
  // a whole calculation, and the writes after it show that calculation.
  const GearPairRecord& r = state.slot0();
  FieldPort& f = ports.fields;
  shownInside_ = true;
  f.SetText(kModuleField, FormatInput(r.Module));
  f.SetText(kTeeth1Field, FormatInput(r.Teeth1));
  f.SetText(kTeeth2Field, FormatInput(r.Teeth2));
  f.SetText(kShift1Field, FormatInput(r.Shift1));
  f.SetText(kShift2Field, FormatInput(r.Shift2));
  if (showResultFields) {
    f.SetText(kWorkingPitchDia1Field, FormatResult(r.WorkingPitchDia1));
    f.SetText(kWorkingPitchDia2Field, FormatResult(r.WorkingPitchDia2));
    f.SetText(kTipDia1Field, FormatResult(r.TipDia1));
    f.SetText(kTipDia2Field, FormatResult(r.TipDia2));
    f.SetText(kRootDia1Field, FormatResult(r.RootDia1));
    f.SetText(kRootDia2Field, FormatResult(r.RootDia2));
    f.SetText(kBaseDia1Field, FormatResult(r.BaseDia1));
    f.SetText(kBaseDia2Field, FormatResult(r.BaseDia2));
    f.SetText(kCenterDistanceField,
              FormatResult(CorrectedCenterDistance(r)));
    f.SetText(kContactRatioField, FormatResult(r.ContactRatio));
    f.SetText(kTipThickness1Field, FormatResult(r.TipThickness1));
    f.SetText(kTipThickness2Field, FormatResult(r.TipThickness2));
  }
  if (f.SetText(kCorrectionField, FormatResult(r.DistanceCorrection))) Edit15Change();
  if (showResultFields) f.SetText(kBacklashField, FormatResult(r.NormalBacklash));
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
  return same(kModuleField, r.Module) && sameWhole(kTeeth1Field, r.Teeth1) &&
         sameWhole(kTeeth2Field, r.Teeth2) && same(kShift1Field, r.Shift1) &&
         same(kShift2Field, r.Shift2) && same(kCorrectionField, r.DistanceCorrection);
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
  Calculate();
}

CalcOutcome Commands::Calculate() {
  const SlotZeroCommand notice(*this);
  ++calcDepth_;
  struct Depth {
    int& d;
    ~Depth() { --d; }
  } depth{calcDepth_};

  const int started = ++calculationCount;
  CalcOutcome outcome;
  // Recorded on every way out, the throwing ones included.
  struct Record {
    Commands& c;
    const CalcOutcome& o;
    ~Record() {
      c.lastOutcome_ = o;
      c.calculatedInside_ = true;
    }
  } record{*this, outcome};
  const auto fail = [&](CalcStatus status, const std::string& message) {
    outcome.status = status;
    outcome.message = message;
  };
  // A calculation nested in this one (the correction's rewrite) that ended
  // unsolved or failed decides how this one ended. Every return goes
  // through here: a plain `return outcome` would move from what Record
  // still reads.
  const auto finish = [&] {
    if (calculationCount != started && outcome.status == CalcStatus::Calculated &&
        lastOutcome_.status != CalcStatus::Calculated) {
      outcome = lastOutcome_;
    }
    return outcome;
  };
  try {
    ReadInputs();
  } catch (const CommandError& e) {
    fail(CalcStatus::Failed, std::string(e.what()) + ".");
    outcome.input = unreadInput_;
    throw;
  }
  const CheckResult check = CheckInputs(state.slot0());
  outcome.check = check.result;
  outcome.checkLines = check.findings;
  ports.messages.Clear();
  ports.messages.SetColor(check.color);
  for (const std::string& line : check.lines) ports.messages.Add(line);
  if (check.result >= 2) {
    ports.timer.SetEnabled(false);
    for (const CheckLine& l : check.findings) {
      if (l.severity == Severity::Error) {
        fail(CalcStatus::Refused, l.text);
        break;
      }
    }
    return finish();
  }
  // A pair that passes the check can still fail in the geometry or the
  // outlines. The fields then go back to what they showed, the pair the
  // pictures still show, and the list drops its all-clear line.
  // Without the result fields only the correction's is written.
  const auto restored = [&](std::size_t i) {
    return showResultFields || kResultFields[i] == kCorrectionField;
  };
  std::string shown[std::size(kResultFields)];
  for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
    if (restored(i)) shown[i] = ports.fields.Text(kResultFields[i]);
  }
  const auto failed = [&](const std::string& line) {
    state.hasResults = false;  // the outlines are still those of the last good pair
    for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
      if (restored(i)) ports.fields.SetText(kResultFields[i], shown[i]);  // no recalculation
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
    } catch (const ConversionError& e) {
      // Edit19's text: the results stay shown, the pictures as they were
      fail(CalcStatus::Failed, std::string(e.what()) + ".");
      throw;
    } catch (const NoSolution& e) {
      fail(CalcStatus::Unsolved, e.what());
      failed(e.what());
      return false;
    } catch (const CommandError& e) {
      fail(CalcStatus::Failed, std::string(e.what()) + ".");
      failed(e.what());
      throw;
    }
  };
  if (!part([&] {
        // A correction that leaves no centre distance leaves no pair: the
        // results are not taken, nothing is drawn.
        GearPairRecord computed = state.slot0();
        ComputeGeometry(computed);
        if (CorrectedCenterDistance(computed) <= 0) {
          outcome.check = 2;
          outcome.checkLines.push_back({Severity::Error, kCenterDistanceRefused, "correction"});
          throw NoSolution(kCenterDistanceRefused);
        }
        state.slot0() = computed;
        MarkResultsBelong();
        ShowResults();
        if (OutlinesToBuild()) BuildMeshOutlines();
        if (drawViews) DrawMeshFrames();
      })) {
    return finish();
  }
  ports.pictures.SetVisible(kMeshFrame1, true);
  for (const char* name : {kMeshFrame2, kMeshFrame3, kMeshFrame4, kMeshFrame5}) {
    ports.pictures.SetVisible(name, false);
  }
  ports.timer.SetEnabled(false);
  if (!part([&] {
        if (OutlinesToBuild()) BuildBacklashOutlines();
        if (drawViews) DrawBacklashView();
      })) {
    return finish();
  }
  ports.fields.SetText(kRotationField, "0.000");
  // What the results say of the pair goes after the tooth-count lines and
  // replaces the all-clear. The whole list is written anew: a nested
  // calculation may have written its own already.
  const bool nested = calculationCount != started;
  if (!nested || lastOutcome_.status == CalcStatus::Calculated) {
    std::vector<CheckLine> warnings = CheckResults(state.slot0());
    if (!warnings.empty() || nested) {
      CheckResult full = check;
      AddResultWarnings(full, std::move(warnings));
      ports.messages.Clear();
      ports.messages.SetColor(full.color);
      for (const std::string& line : full.lines) ports.messages.Add(line);
      outcome.check = full.result;
      outcome.checkLines = std::move(full.findings);
    }
  }
  return finish();
}

void Commands::BitBtn3Click() {
  const SlotZeroCommand notice(*this);
  GearPairRecord& r = state.slot0();
  const double shown = ParseDecimal(ports.fields.Text(kCorrectionField));
  r.DistanceCorrection = static_cast<double>(static_cast<long double>(shown) + r.Module / 100.0L);
  ShowResults();
}

void Commands::BitBtn4Click() {
  const SlotZeroCommand notice(*this);
  GearPairRecord& r = state.slot0();
  const double shown = ParseDecimal(ports.fields.Text(kCorrectionField));
  r.DistanceCorrection = shown;
  if (shown > 0) {
    r.DistanceCorrection = static_cast<double>(static_cast<long double>(shown) - r.Module / 100.0L);
    ShowResults();
  }
}

void Commands::BitBtn7Click() {
  const SlotZeroCommand notice(*this);
  if (ports.fields.SetText(kCorrectionField, "0.0")) Edit15Change();
  state.slot0().DistanceCorrection = 0.0;
  ShowResults();
}

void Commands::N3Click() { ports.desktop.Close(); }

void Commands::N1Click() {
  const SlotZeroCommand notice(*this);
  if (std::optional<std::string> path = ports.dialogs.Open(kOpenGearDialog)) {
    ReadGearFile(state.table, *path);
    MarkResultsBelong();
  }
  ShowTable();
}

void Commands::OpenGearFile(const std::string& path) {
  const SlotZeroCommand notice(*this);
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
  if (std::optional<std::string> path = ports.dialogs.Save(kSaveGearDialog)) {
    try {
      WriteGearFile(state.table, *path);
    } catch (const CommandError&) {
      ports.dialogs.WriteFailed(kSaveGearDialog);
      throw;
    }
  }
}

}  // namespace spurgear
