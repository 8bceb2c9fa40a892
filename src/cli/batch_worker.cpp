// A batch row calculated as calc calculates it, and its output line: JSON
// (results, check and messages, or the error) or one CSV line under CsvHeader().
//
// The worker puts its pair and its input fields back to the started state
// before every row, so a row sees exactly what a fresh calc would.
#include "cli/batch_worker.h"

#include <array>
#include <cmath>
#include <optional>
#include <sstream>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "commands/control_names.h"
#include "core/gear_record.h"
#include "core/geometry.h"

namespace spurgear::cli::batch {
namespace {

// The fields the columns go into, in the same order.
constexpr std::array<const char*, 6> kFields = {kModuleField, kTeeth1Field, kTeeth2Field,
                                                kShift1Field, kShift2Field, kCorrectionField};
static_assert(kFields.size() == kColumns.size());

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// A number as calc's JSON prints it: the library's own shortest round-trip
// digits (so the bytes match its dump), null (CSV: empty) for NaN and infinity.
void AppendNumber(std::string& out, double v, const char* missing = "null") {
  if (!std::isfinite(v)) {
    out += missing;
    return;
  }
  std::array<char, 64> buffer;
  char* end = nlohmann::detail::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
  out.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

void AppendPair(std::string& out, double a, double b) {
  out += '[';
  AppendNumber(out, a);
  out += ',';
  AppendNumber(out, b);
  out += ']';
}

// ResultsJson(r) dumped, written straight: the keys in its (sorted) order.
// Building the object for every row cost a fifth of the batch.
void AppendResults(std::string& out, const GearPairRecord& r) {
  const auto key = [&](const char* name) {
    if (out.back() != '{') out += ',';
    ((out += '"') += name) += "\":";
  };
  out += '{';
  key("base_diameter"); AppendPair(out, r.BaseDia1, r.BaseDia2);
  key("center_distance"); AppendNumber(out, r.CenterDistance);
  key("center_modification_coefficient"); AppendNumber(out, r.CenterModCoef);
  key("contact_ratio"); AppendNumber(out, r.ContactRatio);
  key("corrected_center_distance");
  AppendNumber(out, static_cast<double>(CorrectedCenterDistance(r)));
  key("distance_correction"); AppendNumber(out, r.DistanceCorrection);
  key("module"); AppendNumber(out, r.Module);
  key("normal_backlash"); AppendNumber(out, r.NormalBacklash);
  key("pressure_angle_deg"); AppendNumber(out, PressureAngleDegrees(r.PressureAngleIndex));
  key("root_diameter"); AppendPair(out, r.RootDia1, r.RootDia2);
  key("shift"); AppendPair(out, r.Shift1, r.Shift2);
  key("teeth"); out += "[" + std::to_string(r.Teeth1) + "," + std::to_string(r.Teeth2) + "]";
  key("tip_diameter"); AppendPair(out, r.TipDia1, r.TipDia2);
  key("tip_thickness"); AppendPair(out, r.TipThickness1, r.TipThickness2);
  key("working_pitch_diameter"); AppendPair(out, r.WorkingPitchDia1, r.WorkingPitchDia2);
  key("working_pressure_angle_deg"); AppendNumber(out, r.WorkingPressureAngle);
  out += '}';
}

// CSV cells of numbers, as the JSON prints them.
void AppendCells(std::string& out, std::initializer_list<double> values) {
  for (double v : values) {
    out += ',';
    AppendNumber(out, v, "");
  }
}

std::string Join(const std::vector<std::string>& lines, const char* between) {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : between) + l;
  return s;
}

std::string Dump(const nlohmann::json& j) {
  return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// A row that did not calculate: its error, and when the check refused it,
// the check (2) and the messages, as calc prints them for the pair.
bool Fail(const Row& row, const std::string& error, BatchFormat format, std::string& out,
          std::optional<int> check = std::nullopt,
          const std::vector<std::string>& messages = {}) {
  if (format == BatchFormat::JsonLines) {
    out += "{\"row\":" + std::to_string(row.number) + ",\"error\":" + Dump(error);
    if (check) out += ",\"check\":" + std::to_string(*check) + ",\"messages\":" + Dump(messages);
    out += "}\n";
  } else {
    out += std::to_string(row.number) + std::string(23, ',') + "," +
           (check ? std::to_string(*check) : "") + "," + CsvCell(Join(messages, "; ")) + "," +
           CsvCell(error) + "\n";
  }
  return false;
}

}  // namespace

std::string CsvHeader() {
  return "row,module,z1,z2,x1,x2,pressure_angle_deg,working_pressure_angle_deg,"
         "center_modification_coefficient,center_distance,distance_correction,"
         "corrected_center_distance,working_pitch_diameter1,working_pitch_diameter2,"
         "tip_diameter1,tip_diameter2,root_diameter1,root_diameter2,base_diameter1,"
         "base_diameter2,contact_ratio,tip_thickness1,tip_thickness2,normal_backlash,check,"
         "messages,error\n";
}

PairWorker::PairWorker(const std::optional<std::string>& load, std::ostream& err) {
  ok_ = StartPair(p_, load, err);
  // Rows have no pictures and read no outline.
  p_.commands.SetRunMode(Commands::RunMode::Headless);
  started_ = p_.state.slot0();
  for (std::size_t i = 0; i < kFields.size(); ++i) startedTexts_[i] = p_.fields.Text(kFields[i]);
  startedRotation_ = p_.fields.Text(kRotationField);
}

bool PairWorker::Calculate(const Row& row, BatchFormat format, std::string& out) {
  const Language language = p_.state.language;
  if (!row.inputError.empty()) return Fail(row, RenderLine(language, row.inputError), format, out);
  // Back to the started pair: the inputs the row leaves out are the ones
  // the program started with, and nothing of the previous row remains.
  p_.state.slot0() = started_;
  for (std::size_t i = 0; i < kFields.size(); ++i) p_.fields.SetText(kFields[i], startedTexts_[i]);
  p_.fields.SetText(kRotationField, startedRotation_);
  p_.box.errors.clear();

  PairOptions o;
  o.module = row.texts[0];
  if (row.texts[1] || row.texts[2]) {
    o.teeth = {row.texts[1].value_or(startedTexts_[1]), row.texts[2].value_or(startedTexts_[2])};
  }
  if (row.texts[3] || row.texts[4]) {
    o.shift = {row.texts[3].value_or(startedTexts_[3]), row.texts[4].value_or(startedTexts_[4])};
  }
  o.correction = row.texts[5];
  const PairRun run = CalculatePair(p_, o, unsaid_);
  unsaid_.str({});
  const Verdict verdict = Judge(run.outcome, p_.fields);
  std::vector<std::string> rendered;
  if (language != Language::Japanese) rendered = RenderLines(language, p_.messages.lines);
  const std::vector<std::string>& lines =
      language == Language::Japanese ? p_.messages.lines : rendered;
  if (verdict.status == kExitFailed) {
    return Fail(row, RenderLine(language, verdict.message), format, out);
  }
  if (verdict.status == kExitRefused) {
    std::vector<std::string> errors;
    for (const CheckLine& l : run.outcome.checkLines) {
      if (l.severity == Severity::Error) errors.push_back(RenderLine(language, l.text));
    }
    return Fail(row, Join(errors, "; "), format, out, run.outcome.check, lines);
  }
  const GearPairRecord& r = p_.state.slot0();
  if (format == BatchFormat::JsonLines) {
    out += "{\"row\":" + std::to_string(row.number) + ",\"results\":";
    AppendResults(out, r);
    if (lines != lastLines_ || lastLinesJson_.empty()) {
      lastLines_ = lines;
      lastLinesJson_ = Dump(nlohmann::json(lines));
    }
    out += ",\"check\":" + std::to_string(run.outcome.check) + ",\"messages\":" + lastLinesJson_ +
           "}\n";
  } else {
    out += std::to_string(row.number);
    AppendCells(out, {r.Module});
    out += "," + std::to_string(r.Teeth1) + "," + std::to_string(r.Teeth2);
    AppendCells(out, {r.Shift1, r.Shift2, PressureAngleDegrees(r.PressureAngleIndex),
                      r.WorkingPressureAngle, r.CenterModCoef, r.CenterDistance,
                      r.DistanceCorrection, static_cast<double>(CorrectedCenterDistance(r)),
                      r.WorkingPitchDia1, r.WorkingPitchDia2, r.TipDia1, r.TipDia2, r.RootDia1,
                      r.RootDia2, r.BaseDia1, r.BaseDia2, r.ContactRatio, r.TipThickness1,
                      r.TipThickness2, r.NormalBacklash});
    out += "," + std::to_string(run.outcome.check) + "," + CsvCell(Join(lines, "; ")) + ",\n";
  }
  return true;
}

}  // namespace spurgear::cli::batch
