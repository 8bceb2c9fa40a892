// The rows of the gear data table, formatted as the window formats lengths.
#include "design/gear_data_table.h"

#include <cmath>

#include "core/number_text.h"
#include "design/measurement.h"

namespace spurgear {
namespace {

GearThicknessCheck NominalSpan(const GearPairRecord& r, int gear) {
  const bool one = gear == 1;
  const GearMeasurement m =
      MeasureGear(r.Module, one ? r.Teeth1 : r.Teeth2, one ? r.Shift1 : r.Shift2,
                  one ? r.TipDia1 : r.TipDia2, PressureAngleDegrees(r.PressureAngleIndex));
  GearThicknessCheck t;
  t.spanTeeth = m.span_teeth;
  t.span = t.spanUpper = t.spanLower = m.span;
  t.pin = m.pin.value_or(0);
  t.overPinsSize = t.overPinsUpper = t.overPinsLower = m.over_pins.value_or(0);
  return t;
}

// A deviation with its sign always written, in ASCII as the window writes
// signs (CAD fonts carry it): "+0.000", "-0.050".
std::string Deviation(double v) {
  const std::string digits = FormatFixed(std::fabs(v), 3, 11);
  return (v < 0 && digits != "0.000" ? "-" : "+") + digits;
}

// The nominal size and its limits as deviations from it, upper first.
std::string WithLimits(double nominal, double upper, double lower) {
  return FormatResult(nominal) + " (" + Deviation(upper - nominal) + " / " +
         Deviation(lower - nominal) + ")";
}

}  // namespace

GearDataTableInputs NominalTableInputs(const GearPairRecord& r) {
  GearDataTableInputs in;
  in.gear1.thickness = NominalSpan(r, 1);
  in.gear2.thickness = NominalSpan(r, 2);
  in.backlashMin = in.backlashMax = r.NormalBacklash;
  return in;
}

DataTable BuildGearDataTable(const GearPairRecord& r, int gear, const GearDataTableInputs& in) {
  const bool one = gear == 1;
  const int z = one ? r.Teeth1 : r.Teeth2;
  const int mate = one ? r.Teeth2 : r.Teeth1;
  const double x = one ? r.Shift1 : r.Shift2;
  const double mateX = one ? r.Shift2 : r.Shift1;
  const double da = one ? r.TipDia1 : r.TipDia2;
  const double df = one ? r.RootDia1 : r.RootDia2;
  const GearDataTableGear& g = one ? in.gear1 : in.gear2;
  const GearThicknessCheck& t = g.thickness;
  const long double centre = static_cast<long double>(r.CenterDistance) + r.DistanceCorrection;

  DataTable table;
  // A half-width space: CAD stroke fonts lack the ideographic one.
  table.title = std::string("要目表 ギア") + (one ? "１" : "２");
  auto& rows = table.rows;
  rows.push_back({"歯車歯形", "", x == 0 ? "標準" : "転位"});
  rows.push_back({"基準ラック", "歯形", "並歯"});
  rows.push_back({"", "モジュール", FormatInput(r.Module)});
  rows.push_back({"", "圧力角", FormatInput(PressureAngleDegrees(r.PressureAngleIndex)) + "°"});
  rows.push_back({"歯数", "", std::to_string(z)});
  rows.push_back({"基準ピッチ円直径", "", FormatResult(static_cast<long double>(z) * r.Module)});
  rows.push_back({"転位量", "", FormatResult(static_cast<long double>(x) * r.Module)});
  rows.push_back({"歯先円直径", "", FormatResult(da)});
  rows.push_back({"全歯たけ", "", FormatResult((static_cast<long double>(da) - df) / 2)});
  // Without deviations the nominal size alone: a zero range is no limit.
  const auto size = [&](double nominal, double upper, double lower) {
    return g.limits ? WithLimits(nominal, upper, lower) : FormatResult(nominal);
  };
  if (t.overPins) {
    rows.push_back({"歯厚", "オーバーピン寸法", size(t.overPinsSize, t.overPinsUpper, t.overPinsLower)});
    rows.push_back({"", "ピン径", FormatResult(t.pin)});
  } else {
    rows.push_back({"歯厚", "またぎ歯厚", size(t.span, t.spanUpper, t.spanLower)});
    rows.push_back({"", "またぎ歯数", std::to_string(t.spanTeeth)});
  }
  rows.push_back({"精度", "", "ISO 1328-1:2013 等級 " + std::to_string(g.accuracyClass)});
  rows.push_back({"相手歯車歯数", "", std::to_string(mate)});
  rows.push_back({"相手歯車転位係数", "", FormatInput(mateX)});
  std::string distance = FormatResult(centre);
  if (in.centreUpper != 0 || in.centreLower != 0) {
    distance += in.centreUpper == -in.centreLower
                    ? " ± " + FormatFixed(std::fabs(in.centreUpper), 3, 11)
                    : " (" + Deviation(in.centreUpper) + " / " + Deviation(in.centreLower) + ")";
  }
  rows.push_back({"中心距離", "", distance});
  if (in.backlashRange) {
    rows.push_back({"バックラッシ", "", FormatResult(in.backlashMin) + " ～ " +
                                            FormatResult(in.backlashMax) + "（法線方向）"});
  }
  rows.push_back({"材料", "", g.material});
  rows.push_back({"熱処理", "", g.heatTreatment});
  rows.push_back({"硬さ", "", g.hardness});
  rows.push_back({"仕上方法", "", g.finishing});
  std::string note = in.note;
  if (!g.limits) {
    note = "歯厚許容差は指定なし（歯厚は基準寸法" +
           std::string(in.backlashRange ? "）" : "、バックラッシ範囲なし）") +
           (note.empty() ? "" : " " + note);
  }
  rows.push_back({"備考", "", note});
  return table;
}

}  // namespace spurgear
