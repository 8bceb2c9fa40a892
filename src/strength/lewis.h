#pragma once
// The Lewis estimate of the torque gear 1 can transmit: the form factor
// table, the allowable bending stresses of the materials and the page's
// calculation as a pure function of its inputs.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/gear_record.h"

namespace spurgear {

inline constexpr int kLewisPoints = 15;
inline constexpr int kMaterialCount = 18;

// The practical form factor of a 20 degree standard spur gear against its
// tooth count, sorted by tooth count.
inline constexpr std::array<double, kLewisPoints> LewisToothCounts = {
    12, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90, 100, 150, 200, 300};
inline constexpr std::array<double, kLewisPoints> LewisFormFactors = {
    0.28,  0.318, 0.343, 0.363, 0.38,  0.403, 0.422, 0.431,
    0.439, 0.445, 0.45,  0.455, 0.463, 0.468, 0.471};
// The table's range of tooth counts as the messages write it.
inline constexpr char kLewisTeethRange[] = "12～300";

// Allowable bending stress in kgf/mm², by the material's item index in CB1.
inline constexpr std::array<double, kMaterialCount> AllowableStressTable = {
    7.0, 9.0, 11.0, 13.0, 12.0, 19.0, 20.0, 21.0, 26.0, 30.0, 30.0, 35.0, 40.0, 35.0, 40.0, 40.0, 5.0, 5.0};

// The item texts of rg31 (歯元丸み, FilletIndex) and rg3 (衝撃, ShockIndex),
// each with the factor it stands for.
inline constexpr std::array<std::string_view, 2> FilletItems = {"なし：２", "あり：１"};
inline constexpr std::array<std::string_view, 3> ShockItems = {"小：発電機", "中：攪拌機",
                                                               "大：鍛造機"};

// The item texts of CB1, carrying the same stresses.
inline constexpr std::array<std::string_view, kMaterialCount> MaterialItems = {
    "ＦＣ１５　　　　σ＝７kg/mm^2",
    "ＦＣ２０　　　　σ＝９kg/mm^2",
    "ＦＣ２５　　　　σ＝１１kg/mm^2",
    "ＦＣ３０　　　　σ＝１３kg/mm^2",
    "ＳＣ４２　　　　σ＝１２kg/mm^2",
    "ＳＣ４６　　　　σ＝１９kg/mm^2",
    "ＳＣ４９　　　　σ＝２０kg/mm^2",
    "Ｓ２５Ｃ　　　　σ＝２１kg/mm^2",
    "Ｓ３５Ｃ　　　　σ＝２６kg/mm^2",
    "Ｓ４５Ｃ　　　　σ＝３０kg/mm^2",
    "Ｓ１５ＣＫ　　　σ＝３０kg/mm^2",
    "ＳＮＣ２１　　　σ＝３５kg/mm^2",
    "ＳＮＣ２２　　　σ＝４０kg/mm^2",
    "ＳＮＣ１　　　　σ＝３５kg/mm^2",
    "ＳＮＣ２　　　　σ＝４０kg/mm^2",
    "ＳＮＣ３　　　　σ＝４０kg/mm^2",
    "青銅　　　　 　σ＝５kg/mm^2",
    "りん青銅　　　σ＝５kg/mm^2",
};

// Piecewise-linear interpolation over the n - 1 intervals of X. Every
// interval holding x is taken in ascending order and the last one wins, so
// an inner table point gives exactly its own Y. nullopt when no interval
// holds x.
std::optional<double> LinearInterpolate(const double* X, const double* Y, int n, double x);

// What the page's calculate command reads: slot 0's module and tooth count,
// the texts of Edit22 (speed, r.p.m.) and Edit20 (face width, mm), and the
// selected items of rg31 (root fillet), rg3 (shock) and CB1 (material,
// -1 when free text was typed).
struct LewisInputs {
  double Module = 1.0;
  int32_t Teeth1 = 15;
  std::string SpeedText = "100";
  std::string WidthText = "10";
  int FilletIndex = 1;
  int ShockIndex = 0;
  int MaterialIndex = 0;
};

struct LewisResult {
  double PitchRadius = 0;  // r, mm
  double Velocity = 0;     // v, m/s
  double SpeedFactor = 0;  // Kv
  double FilletFactor = 0; // F
  double ShockFactor = 0;  // Ks
  double Stress = 0;       // σ, kgf/mm²
  double FormFactor = 0;   // Y
  double Torque = 0;       // T, kgf·mm
  std::string FormFactorText;  // Y, general with 15 digits
  std::string TorqueText;      // T, three decimals
};

// The speed factor for a pitch line velocity v in m/s; each threshold
// belongs to the band above it.
double SpeedFactor(double v);

// The whole estimate. Throws ConversionError for a speed or width text that
// is not a number (speed first), CommandError when the tooth count lies
// outside the form factor table or no material/shock class is selected, and
// ArithmeticFault when a value overflows. Touches nothing.
LewisResult ComputeLewis(const LewisInputs& in);

}  // namespace spurgear
