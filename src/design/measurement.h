#pragma once
// The dimensions that check a cut gear (chordal tooth thickness, span over k
// teeth, measurement over two pins) and the profile shifts that give a pair
// a wanted centre distance. Plain double arithmetic, every value to full
// precision; the pressure angle is the pair's standard one in degrees.
#include <optional>
#include <string>

namespace spurgear {

struct GearMeasurement {
  double chordal_thickness;      // s̄ on the reference circle, mm
  double chordal_height;         // h̄ from the tip to that chord, mm
  int span_teeth;                // k
  double span;                   // W over k teeth, mm
  double span_contact_diameter;  // d_k where the anvils touch the flanks, mm
  bool span_contact_outside;     // d_k not strictly between d_b and d_a
  // The pin touching the flanks on the circle (z + 2x) m, mm; nullopt when
  // no pin can (pin_reason says why).
  std::optional<double> ideal_pin;
  // The pin the measurement is for and d_m over two of them, mm; nullopt
  // when no pin was chosen and there is no ideal one.
  std::optional<double> pin;
  std::optional<double> over_pins;
  double pin_contact_diameter;  // where the pin touches the flanks, mm (0 without a pin)
  bool pin_contact_outside;     // that diameter not strictly between d_b and d_a
  bool pin_below_tip;           // d_m <= d_a: the pins do not stand out of the tip circle
  std::string pin_reason;       // why ideal_pin is nullopt; empty when it is not
};

// tipDiameter is d_a of the last complete calculation. spanTeeth and pin:
// nullopt takes the nearest k and the ideal pin. Each dimension stands on
// its own: a gear without an ideal pin still has its chordal thickness, its
// span and the measurement over a chosen pin. Throws CommandError on bad
// input, a refused choice or a chordal or span result that is not finite.
GearMeasurement MeasureGear(double module, int teeth, double shift, double tipDiameter,
                           double pressureAngleDeg, std::optional<int> spanTeeth = {},
                           std::optional<double> pin = {});

// The whole number nearest to z·K + 0.5, kept within 1..z.
int NearestSpanTeeth(int teeth, double shift, double pressureAngleDeg);

// A user's choice for one gear; nullopt is automatic (nearest k, ideal pin).
struct MeasurementChoice {
  std::optional<int> spanTeeth;
  std::optional<double> pin;
};

struct ShiftForCenter {
  double shift_sum;
  double shift1;
  double shift2;
  double working_pressure_angle_deg;
};

// The profile shifts of a pair that mesh without backlash at centreDistance.
// shift1 nullopt takes half the sum. Throws CommandError when the distance
// is at or below the base-circle limit or an input is unusable.
ShiftForCenter ShiftForCenterDistance(double module, int z1, int z2, double pressureAngleDeg,
                                      double centerDistance, std::optional<double> shift1 = {});

}  // namespace spurgear
