// The pair in gear terms, beside the record and the fields the window keeps.
#include "cli/cli_common.h"

namespace spurgear::cli {

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
      Number(static_cast<double>(static_cast<long double>(r.CenterDistance) + r.DistanceCorrection));
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
