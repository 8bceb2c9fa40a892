// The strength rating of slot 0: the record's geometry with the user's
// load, materials and conditions, handed to the ISO 6336 rating.
#include "commands/rating_commands.h"

#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {

rating::PairInput RatingInput(const GearPairRecord& r, const RatingRequest& q) {
  rating::PairInput in = rating::SpurPairOf(r);
  for (std::size_t i = 0; i < 2; ++i) {
    rating::GearInput& g = in.gear[i];
    g.b = q.faceWidth[i] ? *q.faceWidth[i] : TenModulesFaceWidth(r.Module);
    g.material = q.material[i];
    g.hardness = q.hardness[i] ? *q.hardness[i] : rating::DefaultHardness(q.material[i]);
    g.sigmaHlim = q.sigmaHlim[i];
    g.sigmaFlim = q.sigmaFlim[i];
    g.Ra = q.roughness[i];
  }
  in.torque1 = q.torque;
  in.speed1 = q.speed;
  in.lifeHours = q.life;
  in.KA = q.KA;
  in.KHbeta = q.KHbeta;
  in.accuracyGrade = q.accuracyGrade;
  in.nu40 = q.viscosity;
  in.hfP = q.rackDedendum;
  in.rhofP = q.rackRootRadius;
  in.SHmin = q.SHmin;
  in.SFmin = q.SFmin;
  in.quality = q.quality;
  return in;
}

std::optional<rating::RatingResult> RateSlot0(const Commands& c, const RatingRequest& q) {
  if (!c.ResultsBelong()) return std::nullopt;
  // The rating's own faults end in exceptions; it leaves no flags behind
  // for the next calculation to report.
  FaultFlagsKept kept;
  return rating::Rate(RatingInput(c.state.slot0(), q));
}

}  // namespace spurgear
