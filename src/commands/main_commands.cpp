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

// The last field ShowResults writes, after Edit15.
void ShowBacklash(Commands& c) {
  if (c.showResultFields) {
    c.ports.fields.SetText(kBacklashField, FormatResult(c.state.slot0().NormalBacklash));
  }
}

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
  // The calculation Edit15's change runs goes before the backlash's write,
  // which then shows what that calculation left in slot 0.
  if (ShowInputsAndResults()) Edit15Change();
  ShowBacklash(*this);
}

bool Commands::ShowInputsAndResults() {
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
  return f.SetText(kCorrectionField, FormatResult(r.DistanceCorrection));
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

void Commands::Edit15Change() { Calculate(); }

CalcOutcome Commands::Calculate() {
  const SlotZeroCommand notice(*this);
  // A pass reads the fields, checks and calculates slot 0 and shows it. When
  // the first pass's write of Edit15 changes its text, a second pass reads
  // the fields as now shown and runs whole before the first one goes on:
  // the first then shows the backlash, builds and draws what the second
  // left in slot 0. A fault in the second pass also ends the first.
  struct Pass {
    CalcOutcome outcome;
    CheckResult check;
    // What the result fields showed before the pass wrote them.
    std::string shown[std::size(kResultFields)];
  };
  Pass first;
  Pass second;
  bool nested = false;
  const auto fail = [](Pass& p, CalcStatus status, const std::string& message) {
    p.outcome.status = status;
    p.outcome.message = message;
  };
  // A pair that passes the check can still fail in the geometry or the
  // outlines. The fields then go back to what they showed, the pair the
  // pictures still show, and the list drops its all-clear line.
  // Without the result fields only the correction's is written.
  const auto restored = [&](std::size_t i) {
    return showResultFields || kResultFields[i] == kCorrectionField;
  };
  const auto failed = [&](Pass& p, const std::string& line) {
    state.hasResults = false;  // the outlines are still those of the last good pair
    for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
      if (restored(i)) ports.fields.SetText(kResultFields[i], p.shown[i]);  // no recalculation
    }
    ports.timer.SetEnabled(false);
    ports.messages.Clear();
    ports.messages.SetColor(ListColor::Red);
    if (p.check.color != ListColor::Blue) {
      for (const std::string& l : p.check.lines) ports.messages.Add(l);
    }
    ports.messages.Add(line);
  };
  // Runs one part of a pass; false when it ended in a red line.
  const auto part = [&](Pass& p, auto&& work) {
    try {
      work();
      return true;
    } catch (const ConversionError& e) {
      // Edit19's text: the results stay shown, the pictures as they were
      fail(p, CalcStatus::Failed, std::string(e.what()) + ".");
      throw;
    } catch (const NoSolution& e) {
      fail(p, CalcStatus::Unsolved, e.what());
      failed(p, e.what());
      return false;
    } catch (const CommandError& e) {
      fail(p, CalcStatus::Failed, std::string(e.what()) + ".");
      failed(p, e.what());
      throw;
    }
  };
  // The pass up to Edit15's write; false when it ended there. Sets
  // `corrected` when that write changed the text.
  bool corrected = false;
  const auto begin = [&](Pass& p) {
    ++calculationCount;
    try {
      ReadInputs();
    } catch (const CommandError& e) {
      fail(p, CalcStatus::Failed, std::string(e.what()) + ".");
      p.outcome.input = unreadInput_;
      throw;
    }
    p.check = CheckInputs(state.slot0());
    p.outcome.check = p.check.result;
    p.outcome.checkLines = p.check.findings;
    ports.messages.Clear();
    ports.messages.SetColor(p.check.color);
    for (const std::string& line : p.check.lines) ports.messages.Add(line);
    if (p.check.result >= 2) {
      ports.timer.SetEnabled(false);
      for (const CheckLine& l : p.check.findings) {
        if (l.severity == Severity::Error) {
          fail(p, CalcStatus::Refused, l.text);
          break;
        }
      }
      return false;
    }
    for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
      if (restored(i)) p.shown[i] = ports.fields.Text(kResultFields[i]);
    }
    return part(p, [&] {
      // A correction that leaves no centre distance leaves no pair: the
      // results are not taken, nothing is drawn.
      GearPairRecord computed = state.slot0();
      ComputeGeometry(computed);
      if (CorrectedCenterDistance(computed) <= 0) {
        p.outcome.check = 2;
        p.outcome.checkLines.push_back({Severity::Error, kCenterDistanceRefused, "correction"});
        throw NoSolution(kCenterDistanceRefused);
      }
      state.slot0() = computed;
      MarkResultsBelong();
      corrected = ShowInputsAndResults();
    });
  };
  // The rest of a pass, from the backlash's field on.
  const auto end = [&](Pass& p) {
    if (!part(p, [&] {
          ShowBacklash(*this);
          if (OutlinesToBuild()) BuildMeshOutlines();
          if (drawViews) DrawMeshFrames();
        })) {
      return;
    }
    ports.pictures.SetVisible(kMeshFrame1, true);
    for (const char* name : {kMeshFrame2, kMeshFrame3, kMeshFrame4, kMeshFrame5}) {
      ports.pictures.SetVisible(name, false);
    }
    ports.timer.SetEnabled(false);
    if (!part(p, [&] {
          if (OutlinesToBuild()) BuildBacklashOutlines();
          if (drawViews) DrawBacklashView();
        })) {
      return;
    }
    ports.fields.SetText(kRotationField, "0.000");
    // What the results say of the pair goes after the tooth-count lines and
    // replaces the all-clear. After a second pass the whole list is written
    // anew, unless that pass ended in its own lines.
    const bool afterSecond = &p == &first && nested;
    if (!afterSecond || second.outcome.status == CalcStatus::Calculated) {
      std::vector<CheckLine> warnings = CheckResults(state.slot0());
      if (!warnings.empty() || afterSecond) {
        CheckResult full = p.check;
        AddResultWarnings(full, std::move(warnings));
        ports.messages.Clear();
        ports.messages.SetColor(full.color);
        for (const std::string& line : full.lines) ports.messages.Add(line);
        p.outcome.check = full.result;
        p.outcome.checkLines = std::move(full.findings);
      }
    }
  };
  try {
    if (begin(first)) {
      // With the same inputs read back, a second pass would end exactly as
      // the first goes on to end; the batch passes over it.
      nested = corrected && !(skipRepeatedCalculation && ResultsBelong() && FieldsHoldInputs());
      if (!nested || part(first, [&] {
            if (begin(second)) end(second);
          })) {
        end(first);
      }
    }
  } catch (...) {
    lastOutcome_ = first.outcome;
    calculatedInside_ = true;
    throw;
  }
  // A second pass that ended unsolved or failed decides how the command ended.
  if (nested && first.outcome.status == CalcStatus::Calculated &&
      second.outcome.status != CalcStatus::Calculated) {
    first.outcome = second.outcome;
  }
  lastOutcome_ = first.outcome;
  calculatedInside_ = true;
  return first.outcome;
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
