// Slot 0 evaluated once with the pair's settings.
#include "commands/pair_evaluation.h"

#include "commands/commands.h"
#include "commands/control_names.h"
#include "commands/rating_commands.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {

double StrengthPageFaceWidth(const FieldPort& fields) {
  double b = 0;
  if (TryParseDecimal(fields.Text(kFaceWidthField), b) && b > 0) return b;
  return kFaceWidthWithoutPage;
}

double TenModulesFaceWidth(double module) { return 10 * module; }

PairToleranceInput ToleranceInputInForce(const PairToleranceInput& input, double pageFaceWidth) {
  PairToleranceInput in = input;
  for (GearToleranceInput* g : {&in.gear1, &in.gear2}) {
    if (g->face_width == 0) g->face_width = pageFaceWidth;
  }
  return in;
}

void CheckDeviations(const GearPairRecord& r, const PairToleranceInput& in) {
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  CheckToleranceInput(in);
  CheckThicknessDeviations(in.gear1, r.Module, r.Shift1, alpha, "ギア１の歯厚許容差");
  CheckThicknessDeviations(in.gear2, r.Module, r.Shift2, alpha, "ギア２の歯厚許容差");
}

PairToleranceResult PairLimits(const GearPairRecord& r, const PairToleranceInput& in,
                               const PairMeasurement& m) {
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  CheckDeviations(r, in);
  return PairToleranceResult{GearLimits(m.gear1, r.Module, r.Teeth1, r.Shift1, alpha, in.gear1),
                             GearLimits(m.gear2, r.Module, r.Teeth2, r.Shift2, alpha, in.gear2),
                             BacklashLimits(in, r.DistanceCorrection, alpha, r.WorkingPressureAngle)};
}

namespace {

bool Automatic(const std::array<MeasurementChoice, 2>& c) {
  return !c[0].spanTeeth && !c[0].pin && !c[1].spanTeeth && !c[1].pin;
}

// The limits with k and the pins `c`, in the order they are refused: the
// input, then the measurement, then the deviations against the pair.
Evaluated<PairToleranceResult> TolerancesWith(const GearPairRecord& r,
                                              const PairToleranceInput& in,
                                              const std::array<MeasurementChoice, 2>& c) {
  return Evaluated<PairToleranceResult>::Of([&] {
    CheckToleranceInput(in);
    return PairLimits(r, in, MeasurePair(r, c[0], c[1]));
  });
}

// The table's limits, classes, texts and backlash range. A gear whose pin is
// in force and its k not is checked over pins, any other by its span.
GearDataTableInputs TableInputs(const GearPairRecord& record, const PairEvaluation& e) {
  GearDataTableInputs t = NominalTableInputs(record);
  const PairToleranceResult& r = e.tolerances.Get();
  const PairToleranceInput& in = e.tolerance;
  const GearToleranceResult* limits[2] = {&r.gear1, &r.gear2};
  const GearToleranceInput* texts[2] = {&in.gear1, &in.gear2};
  GearDataTableGear* gear[2] = {&t.gear1, &t.gear2};
  for (std::size_t g = 0; g < 2; ++g) {
    const GearToleranceResult& l = *limits[g];
    GearThicknessCheck& k = gear[g]->thickness;
    // Over pins only where a pin is in force (and so exists) and k is not.
    k.overPins = e.choices[g].pin.has_value() && !e.choices[g].spanTeeth.has_value() && l.over_pins;
    k.spanTeeth = l.span_teeth;
    k.span = l.span.nominal;
    k.spanUpper = l.span.upper;
    k.spanLower = l.span.lower;
    if (l.pin && l.over_pins) {
      k.pin = *l.pin;
      k.overPinsSize = l.over_pins->nominal;
      k.overPinsUpper = l.over_pins->upper;
      k.overPinsLower = l.over_pins->lower;
    }
    gear[g]->limits = texts[g]->thickness_upper != 0 || texts[g]->thickness_lower != 0;
    gear[g]->accuracyClass = l.tolerances.accuracy_class;
    gear[g]->material = texts[g]->material;
    gear[g]->heatTreatment = texts[g]->heat_treatment;
    gear[g]->hardness = texts[g]->hardness;
    gear[g]->finishing = texts[g]->finishing;
  }
  t.centreUpper = in.center_upper;
  t.centreLower = in.center_lower;
  t.note = in.note;
  t.backlashRange = t.gear1.limits || t.gear2.limits || in.center_upper != 0 || in.center_lower != 0;
  t.backlashMin = r.backlash.normal_min;
  t.backlashMax = r.backlash.normal_max;
  return t;
}

}  // namespace

PairEvaluation EvaluatePair(const GearPairRecord& r, const PairSettings& s, double pageFaceWidth) {
  PairEvaluation e;
  e.tolerance = ToleranceInputInForce(s.tolerance, pageFaceWidth);
  // The chosen k and pins, else the automatic ones: decided here once, for
  // the dimensions and their limits alike.
  std::array<MeasurementChoice, 2> chosen{};
  if (s.choicesFor == MeasuredPair(r)) chosen = s.choices;
  e.choices = chosen;
  e.tolerances = TolerancesWith(r, e.tolerance, chosen);
  if (!e.tolerances.Find() && !Automatic(chosen)) {
    Evaluated<PairToleranceResult> automatic = TolerancesWith(r, e.tolerance, {});
    bool setAside = automatic.Find() != nullptr;
    if (!setAside) {
      // Refused whatever the pins: the chosen ones stand where they measure.
      try {
        MeasurePair(r, chosen[0], chosen[1]);
      } catch (const CommandError&) {
        setAside = true;
      }
    }
    if (setAside) {
      try {
        e.tolerances.Get();
      } catch (const std::exception&) {
        e.choicesRefused = std::current_exception();
      }
      e.choices = {};
    }
    e.tolerances = std::move(automatic);
  }
  e.measurement = Evaluated<PairMeasurement>::Of(
      [&] { return MeasurePair(r, e.choices[0], e.choices[1]); });
  e.table = Evaluated<GearDataTableInputs>::Of([&] { return TableInputs(r, e); });
  e.sliding = Evaluated<SlidingResult>::Of([&] { return SpecificSliding(MeshOf(r), 0); });
  if (s.rating) {
    e.rating = Evaluated<rating::RatingResult>::Of([&] {
      // The rating's own faults end in exceptions; it leaves no flags
      // behind for the next calculation to report.
      FaultFlagsKept kept;
      return rating::Rate(RatingInput(r, *s.rating));
    });
  }
  return e;
}

std::optional<PairEvaluation> EvaluateSlot0(const Commands& c) {
  if (!c.ResultsBelong()) return std::nullopt;
  return EvaluatePair(c.state.slot0(), c.settings, StrengthPageFaceWidth(c.ports.fields));
}

}  // namespace spurgear
