#pragma once
// The gear data table (要目表) of one gear of the pair: what a part drawing
// states about the teeth, their thickness with its limits, the accuracy
// class, the mate and the backlash, and the texts the designer enters.
#include <string>

#include "core/data_table.h"
#include "core/gear_record.h"

namespace spurgear {

// How the tooth thickness is checked, with its limits (absolute sizes, mm).
struct GearThicknessCheck {
  bool overPins = false;  // false: span over k teeth
  int spanTeeth = 0;      // k
  double span = 0, spanUpper = 0, spanLower = 0;
  double pin = 0;         // pin diameter
  double overPinsSize = 0, overPinsUpper = 0, overPinsLower = 0;
};

struct GearDataTableGear {
  GearThicknessCheck thickness;
  bool limits = false;    // thickness deviations were given
  int accuracyClass = 7;  // ISO 1328-1:2013
  std::string material, heatTreatment, hardness, finishing;  // blank allowed
};

struct GearDataTableInputs {
  GearDataTableGear gear1, gear2;
  // The normal backlash range (mm), stated only when some tolerance was
  // given: without one both ends are the nominal backlash.
  bool backlashRange = false;
  double backlashMin = 0, backlashMax = 0;
  double centreUpper = 0, centreLower = 0;  // deviations, mm; both 0: none given
  std::string note;
};

// What the program knows without tolerances: the nominal span over the
// nearest k as both limits, class 7, no texts, and the pair's normal
// backlash as both ends of the range. Throws what the measurement throws.
GearDataTableInputs NominalTableInputs(const GearPairRecord& record);

// The rows of gear 1 or 2 of the record (its inputs and results), in the
// order a drawing lists them.
DataTable BuildGearDataTable(const GearPairRecord& record, int gear,
                             const GearDataTableInputs& inputs);

}  // namespace spurgear
