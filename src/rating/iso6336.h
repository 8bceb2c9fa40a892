#pragma once
// Load capacity of a cylindrical gear pair to ISO 6336-1, -2 and -3:2006,
// method B, with the material quality lines (ML, MQ, ME) of ISO 6336-5 and the
// accuracy of ISO 1328-1:1995: pitting and tooth-root safety factors, with
// every factor kept so that the window, the CLI and the sheet can show it.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/basic_rack.h"
#include "core/errors.h"
#include "core/gear_record.h"

namespace spurgear::rating {

enum class Material { ThroughHardened, CaseHardened, Nitrided };
// The materials offered, in the order the window lists them.
inline constexpr Material kMaterials[] = {Material::ThroughHardened, Material::CaseHardened,
                                          Material::Nitrided};

// The material quality grades of ISO 6336-5: modest, normal and high demands.
enum class Quality { ML, MQ, ME };
inline constexpr Quality kQualities[] = {Quality::ML, Quality::MQ, Quality::ME};
const char* QualityKey(Quality q);  // ML, MQ, ME
std::optional<Quality> QualityFromKey(const std::string& key);

// The standards the rating follows, the material grade named.
std::string StandardName(Quality q);

// A refused input: `field` is the key of the input (as the CLI option and
// the window's field are named), the text names it for the user.
class RatingRefused : public CommandError {
 public:
  RatingRefused(std::string field, const std::string& text)
      : CommandError(text), field(std::move(field)) {}
  std::string field;
};

struct GearInput {
  int z = 0;
  double x = 0;        // profile shift coefficient
  double da = 0;       // tip diameter, mm
  double b = 0;        // face width, mm
  Material material = Material::CaseHardened;
  double hardness = 0;                  // HV, for the quality line
  std::optional<double> sigmaHlim;      // typed limits replace the line's
  std::optional<double> sigmaFlim;
  double Ra = 1.0;                      // flank and root roughness, µm
};

// The ranges a rating takes its inputs in; beyond them it refuses. The
// largest load, speed, life and strength lie beyond any gear made, where the
// stresses would overflow instead of saying anything.
inline constexpr double kTorqueMost = 1e8;        // N·m
inline constexpr double kSpeedMost = 1e5;         // min⁻¹
inline constexpr double kLifeMost = 1e6;          // h
inline constexpr double kFactorBelow = 10;        // K_A and K_Hβ, from 1
inline constexpr int kGradeFirst = 1, kGradeLast = 12;
inline constexpr double kRoughnessBelow = 100;    // µm
inline constexpr double kSigmaHlimMost = 2500;    // N/mm²
inline constexpr double kSigmaFlimMost = 1000;    // N/mm²
inline constexpr int kTeethLeast = 5;

struct PairInput {
  double mn = 0;            // normal module, mm
  double alphaNDeg = 20;    // normal pressure angle
  double betaDeg = 0;       // helix angle at the reference circle
  double a = 0;             // working centre distance, mm
  std::array<GearInput, 2> gear{};
  double torque1 = 0;       // N·m on gear 1
  double speed1 = 0;        // min⁻¹ of gear 1
  double lifeHours = 20000;
  double KA = 1.0;
  double KHbeta = 1.0;
  int accuracyGrade = 6;    // ISO 1328-1:1995
  double nu40 = 100;        // lubricant viscosity at 40 °C, mm²/s
  std::optional<double> tipRelief;  // C_a, µm; the running-in relief otherwise
  double hfP = kRackDedendum;     // basic rack dedendum / m_n
  double rhofP = kRackRootRadius;  // basic rack root radius / m_n
  double SHmin = 1.0;
  double SFmin = 1.4;
  Quality quality = Quality::MQ;  // the grade of the materials' lines
};

// The ranges of the resonance ratio N that the dynamic factor tells apart.
enum class SpeedRange { Subcritical, MainResonance, Intermediate, Supercritical };
const char* SpeedRangeName(SpeedRange r);  // Japanese, for the window and the sheet
const char* SpeedRangeKey(SpeedRange r);   // subcritical, main_resonance, ...

struct GearRating {
  // Geometry and accuracy
  double d = 0, db = 0, df = 0, dm = 0, zn = 0;
  double fpt = 0, fpb = 0, ffalpha = 0;  // µm, ISO 1328-1:1995 for the grade
  double NL = 0;                          // load cycles
  // Pitting
  double ZBD = 1;                         // Z_B for gear 1, Z_D for gear 2
  double sigmaHlim = 0, ZNT = 1, ZW = 1, ZX = 1;
  double sigmaH = 0, sigmaHP = 0, SH = 0;
  bool pittingPass = false;
  // Tooth root
  double bRoot = 0;                       // face width the root stress takes
  double YF = 0, YS = 0;                  // load at the outer point of single-pair contact
  double YFa = 0, YSa = 0;                // load at the tip, for comparison
  double sFn = 0, hFe = 0, rhoF = 0, alphaFenDeg = 0, thetaDeg = 0, qs = 0, den = 0;
  double sigmaFlim = 0, YNT = 1, YdeltaRelT = 1, YRRelT = 1, YX = 1;
  double sigmaF0 = 0, sigmaF = 0, sigmaFP = 0, SF = 0;
  bool bendingPass = false;
};

struct RatingResult {
  // Pair geometry
  double u = 0, alphaTDeg = 0, alphaWtDeg = 0, betaBDeg = 0;
  double epsAlpha = 0, epsBeta = 0, epsGamma = 0, epsAlphaN = 0;
  // Load and speed
  double Ft = 0, v = 0;
  // Dynamic factor
  double cThPrime = 0, CB = 0, cPrime = 0, cGammaAlpha = 0, mRed = 0, nE1 = 0, N = 0, NS = 0;
  SpeedRange range = SpeedRange::Subcritical;
  double yAlpha = 0, Ca = 0, Bp = 0, Bf = 0, Bk = 0, Kv = 1;
  // Load distribution
  double KA = 1, KHbeta = 1, NF = 1, KFbeta = 1, KHalpha = 1, KFalpha = 1;
  // Pitting factors common to the pair
  double ZH = 0, ZE = 0, Zeps = 0, Zbeta = 0, ZL = 0, Zv = 0, ZR = 0, Rz10 = 0, sigmaH0 = 0;
  // Root factors common to the pair
  double Ybeta = 1, Yeps = 1, YST = 2, YB = 1, YDT = 1;
  std::array<GearRating, 2> gear{};
  // The largest torque on gear 1 for which both minimum safeties hold.
  double maxTorque = 0;
  double SHmin = 1, SFmin = 1.4;
};

// The ISO 6336-5 quality line of a grade at a hardness (HV); throws
// RatingRefused naming `field` and the range outside the line's hardness range.
double QualitySigmaHlim(Material m, Quality q, double hardnessHV, const std::string& field);
double QualitySigmaFlim(Material m, Quality q, double hardnessHV, const std::string& field);
// A hardness inside the lines of every grade.
double DefaultHardness(Material m);
const char* MaterialKey(Material m);   // through-hardened, case-hardened, nitrided
const char* MaterialName(Material m);  // Japanese
std::optional<Material> MaterialFromKey(const std::string& key);

// The spur pair (β = 0) of a calculated record as the rating takes it:
// module, pressure angle, tooth counts, shifts, tip diameters and the centre
// distance with its correction; the load, materials and conditions are left
// at their defaults for the caller to set.
PairInput SpurPairOf(const GearPairRecord& record);

// Rates the pair at input.torque1, with the largest torque. Throws
// RatingRefused for an input out of range, ArithmeticFault for a fault.
RatingResult Rate(const PairInput& input);

// The same without the search for the largest torque (its inner step).
RatingResult RateAtTorque(const PairInput& input);

// One line of the factor table: symbol, name, per-gear values (the second
// empty when the factor is common), unit. The window's table and the
// calculation sheet print these lines as they stand.
struct FactorLine {
  std::string symbol;
  std::string name;
  double value1 = 0;
  std::optional<double> value2;
  std::string unit;
  int decimals = 4;
  // Shown with its digits grouped by three (a count of load cycles).
  bool grouped = false;
  // The least value the rating asks of it (a safety): a value below it is
  // shown in red.
  std::optional<double> minimum = std::nullopt;
};
std::vector<FactorLine> FactorLines(const RatingResult& r);

// Every number of a rating result once, under its key in the CLI's JSON:
// those of the pair, and those of each gear. (FactorLines shows a
// selection of them, each with its symbol, name and unit.)
template <class T>
struct NumberField {
  const char* key;
  double T::*value;
};
inline constexpr NumberField<RatingResult> kPairNumbers[] = {
    {"Ft", &RatingResult::Ft},
    {"v", &RatingResult::v},
    {"KA", &RatingResult::KA},
    {"Kv", &RatingResult::Kv},
    {"resonance_ratio", &RatingResult::N},
    {"subcritical_limit", &RatingResult::NS},
    {"cprime", &RatingResult::cPrime},
    {"cgamma_alpha", &RatingResult::cGammaAlpha},
    {"KHbeta", &RatingResult::KHbeta},
    {"KFbeta", &RatingResult::KFbeta},
    {"KHalpha", &RatingResult::KHalpha},
    {"KFalpha", &RatingResult::KFalpha},
    {"ZH", &RatingResult::ZH},
    {"ZE", &RatingResult::ZE},
    {"Zeps", &RatingResult::Zeps},
    {"Zbeta", &RatingResult::Zbeta},
    {"ZL", &RatingResult::ZL},
    {"Zv", &RatingResult::Zv},
    {"ZR", &RatingResult::ZR},
    {"nominal_contact_stress", &RatingResult::sigmaH0},
    {"Ybeta", &RatingResult::Ybeta},
    {"Yeps", &RatingResult::Yeps},
    {"YST", &RatingResult::YST},
    {"YB", &RatingResult::YB},
    {"YDT", &RatingResult::YDT},
    {"eps_alpha", &RatingResult::epsAlpha},
    {"eps_beta", &RatingResult::epsBeta},
    {"working_pressure_angle_deg", &RatingResult::alphaWtDeg},
};
inline constexpr NumberField<GearRating> kGearNumbers[] = {
    {"contact_stress", &GearRating::sigmaH},
    {"permissible_contact_stress", &GearRating::sigmaHP},
    {"pitting_safety", &GearRating::SH},
    {"root_stress", &GearRating::sigmaF},
    {"permissible_root_stress", &GearRating::sigmaFP},
    {"bending_safety", &GearRating::SF},
    {"form_factor", &GearRating::YF},
    {"stress_correction_factor", &GearRating::YS},
    {"tip_form_factor", &GearRating::YFa},
    {"tip_stress_correction_factor", &GearRating::YSa},
    {"ZBD", &GearRating::ZBD},
    {"ZNT", &GearRating::ZNT},
    {"ZW", &GearRating::ZW},
    {"ZX", &GearRating::ZX},
    {"YNT", &GearRating::YNT},
    {"YdeltarelT", &GearRating::YdeltaRelT},
    {"YRrelT", &GearRating::YRRelT},
    {"YX", &GearRating::YX},
    {"sigma_hlim", &GearRating::sigmaHlim},
    {"sigma_flim", &GearRating::sigmaFlim},
    {"load_cycles", &GearRating::NL},
    {"fpb", &GearRating::fpb},
    {"ffalpha", &GearRating::ffalpha},
    {"critical_section_thickness", &GearRating::sFn},
    {"bending_moment_arm", &GearRating::hFe},
    {"fillet_radius", &GearRating::rhoF},
};

// --- The pieces, for the tests and the sheet ---
struct RootForm {
  double YF, YS, sFn, hFe, rhoF, alphaFen, theta, qs, den;
};
// Form and stress correction factors, method B, load at diameter `dLoad` of
// the virtual spur gear (its outer point of single-pair contact or its tip).
// zn virtual tooth count, x shift, hfP and rhofP per m_n, alphaN in rad.
RootForm RootFormFactors(double zn, double x, double hfP, double rhofP, double alphaN,
                         double dLoadN_over_mn);
// Pitch and profile form deviation, µm, for a grade, module and diameter.
double IsoFpt(int grade, double mn, double d);
double IsoFfalpha(int grade, double mn, double d);
// Life factor by the material's curve at N_L load cycles.
double LifeFactorContact(Material m, double NL);
double LifeFactorRoot(Material m, double NL);
// The limited-life range of a material's curve: up to `atStatic` cycles the
// static strength holds, from `atReference` (the knee) the endurance one.
struct LifeRange {
  double atStatic, atReference;
};
LifeRange LifeRangeContact(Material m);
LifeRange LifeRangeRoot(Material m);
// A permissible stress in the limited-life range, on the straight line
// between the static and the reference value on log-log scales.
double LimitedLife(double atStatic, double atReference, LifeRange range, double NL);

}  // namespace spurgear::rating
