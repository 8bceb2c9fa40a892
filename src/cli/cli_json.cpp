// The CLI's JSON: numbers that round-trip, the record as the file holds it,
// and the pair in gear terms beside the fields the window keeps.
#include <cmath>
#include <ostream>

#include "cli/cli_common.h"

namespace spurgear::cli {

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


nlohmann::json ResultsJson(const GearPairRecord& r) {
  auto pair = [](double a, double b) { return nlohmann::json::array({Number(a), Number(b)}); };
  nlohmann::json j;
  j["module"] = Number(r.Module);
  j["teeth"] = nlohmann::json::array({r.Teeth1, r.Teeth2});
  j["shift"] = pair(r.Shift1, r.Shift2);
  j["pressure_angle_deg"] = Number(PressureAngleDegrees(r.PressureAngleIndex));
  j["working_pressure_angle_deg"] = Number(r.WorkingPressureAngle);
  j["center_modification_coefficient"] = Number(r.CenterModCoef);
  j["center_distance"] = Number(r.CenterDistance);
  j["distance_correction"] = Number(r.DistanceCorrection);
  // Summed in extended precision, as the window shows it and meshes the pair.
  j["corrected_center_distance"] =
      Number(static_cast<double>(CorrectedCenterDistance(r)));
  j["working_pitch_diameter"] = pair(r.WorkingPitchDia1, r.WorkingPitchDia2);
  j["tip_diameter"] = pair(r.TipDia1, r.TipDia2);
  j["root_diameter"] = pair(r.RootDia1, r.RootDia2);
  j["base_diameter"] = pair(r.BaseDia1, r.BaseDia2);
  j["contact_ratio"] = Number(r.ContactRatio);
  j["tip_thickness"] = pair(r.TipThickness1, r.TipThickness2);
  j["normal_backlash"] = Number(r.NormalBacklash);
  return j;
}

nlohmann::json CurrentResults(const MemoryProgram& p) {
  if (!p.commands.ResultsBelong()) return nullptr;
  return ResultsJson(p.state.slot0());
}

}  // namespace spurgear::cli
