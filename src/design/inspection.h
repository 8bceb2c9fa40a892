#pragma once
// The inspection dimensions of one gear: chordal tooth thickness, span
// measurement over k teeth and the dimension over two pins.
#include <optional>

namespace spurgear {

struct GearInspection {
  double chordal_thickness, chordal_height;
  int span_teeth; double span, span_contact_diameter; bool span_contact_outside;
  double ideal_pin, pin, over_pins;
};

GearInspection InspectGear(double module, int teeth, double shift, double tipDiameter,
                           double pressureAngleDeg, std::optional<int> spanTeeth = {},
                           std::optional<double> pin = {});

}  // namespace spurgear
