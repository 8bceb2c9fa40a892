// Textbook formulas for the inspection dimensions of a shifted external
// spur gear (stand-in until the inspection module lands).
#include "design/inspection.h"

#include <cmath>
#include <numbers>

namespace spurgear {
namespace {

double Involute(double a) { return std::tan(a) - a; }

// The angle whose involute is `value` (Newton steps from a safe start).
double InverseInvolute(double value) {
  double a = std::cbrt(3 * value);
  for (int i = 0; i < 30; ++i) {
    const double t = std::tan(a);
    a -= (t - a - value) / (t * t);
  }
  return a;
}

}  // namespace

GearInspection InspectGear(double module, int teeth, double shift, double tipDiameter,
                           double pressureAngleDeg, std::optional<int> spanTeeth,
                           std::optional<double> pin) {
  const double pi = std::numbers::pi;
  const double m = module, z = teeth, x = shift;
  const double alpha = pressureAngleDeg * pi / 180;
  const double d = z * m, db = d * std::cos(alpha);
  GearInspection g{};

  const double psi = pi / (2 * z) + 2 * x * std::tan(alpha) / z;
  g.chordal_thickness = d * std::sin(psi);
  g.chordal_height = (tipDiameter - d) / 2 + d / 2 * (1 - std::cos(psi));

  const double ax = std::acos(db / (d + 2 * x * m));
  const int k = spanTeeth ? *spanTeeth
                          : static_cast<int>(std::lround(
                                z / pi * (std::tan(ax) - 2 * x * std::tan(alpha) / z -
                                          Involute(alpha)) + 0.5));
  g.span_teeth = k < 1 ? 1 : k;
  g.span = m * std::cos(alpha) * (pi * (g.span_teeth - 0.5) + z * Involute(alpha)) +
           2 * x * m * std::sin(alpha);
  g.span_contact_diameter = std::sqrt(db * db + g.span * g.span);
  g.span_contact_outside = g.span_contact_diameter > tipDiameter;

  // The ideal pin touches the flank on the circle of diameter d + 2xm.
  const double phiIdeal = std::tan(ax) + pi / (2 * z) - Involute(alpha) -
                          2 * x * std::tan(alpha) / z;
  g.ideal_pin = db * (std::tan(phiIdeal) - std::tan(ax));
  g.pin = pin ? *pin : g.ideal_pin;
  const double phi = InverseInvolute(g.pin / db - pi / (2 * z) + Involute(alpha) +
                                     2 * x * std::tan(alpha) / z);
  const double centres = db / std::cos(phi);
  g.over_pins = (teeth % 2 == 0 ? centres : centres * std::cos(pi / (2 * z))) + g.pin;
  return g;
}

}  // namespace spurgear
