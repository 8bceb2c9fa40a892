// spurgear-cli sliding: the specific sliding of a pair along its path of
// contact, and the split of its shift sum that balances the roots.
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_common.h"
#include "commands/design_commands.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace spurgear::cli {
namespace {

struct SlidingOptions {
  PairOptions pair;
  std::string points = "0";
};

nlohmann::json Maybe(const std::optional<double>& v) {
  return v ? Number(*v) : nlohmann::json(nullptr);
}

}  // namespace

Subcommand AddSliding(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<SlidingOptions>();
  CLI::App* c = app.add_subcommand(
      "sliding",
      "Calculate a pair as 計算 does, then print the specific sliding, gear 1 driving, as JSON\n"
      "{\"gear1_root\", \"gear1_tip\", \"gear2_root\", \"gear2_tip\", \"points\": [...],\n"
      "\"balanced_shift1\", ...}; an end value is null where contact would run inside the base\n"
      "circle (interference). Positions along the line of action from the start of contact, mm.\n"
      "The pair as mounted: a positive --correction opens the centre distance it runs at.");
  AddPairOptions(*c, o->pair);
  c->add_option("--points", o->points,
                "points along the path of contact, both ends included (default 0)")
      ->type_name("N");
  return {c, [o, &out, &err]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              int32_t n = 0;
              if (!TryParseWhole(o->points, n) || n < 0) {
                throw CommandError("点の数 '" + EchoText(o->points) + "' は 0 以上の整数ではありません");
              }
              std::optional<SlidingResult> r = SlidingForSlot0(p.commands, n);
              if (!r) return Refuse(err, "計算結果がありません");
              nlohmann::json points = nlohmann::json::array();
              for (const SlidingPoint& q : r->points) {
                points.push_back({{"position", Number(q.position)},
                                  {"rho1", Number(q.rho1)},
                                  {"rho2", Number(q.rho2)},
                                  {"zeta1", Maybe(q.zeta1)},
                                  {"zeta2", Maybe(q.zeta2)}});
              }
              const GearPairRecord& s = p.commands.state.slot0();
              nlohmann::json balanced = nullptr;
              try {
                balanced = Number(BalancedShift1ForSlot0(
                    p.commands, static_cast<double>(static_cast<long double>(s.Shift1) + s.Shift2)));
              } catch (const CommandError&) {
                // No split balances the roots: null, the rest still holds.
              }
              PrintJson(out, {{"gear1_root", Maybe(r->root1)},
                              {"gear1_tip", Maybe(r->tip1)},
                              {"gear2_root", Maybe(r->root2)},
                              {"gear2_tip", Maybe(r->tip2)},
                              {"interference1", r->interference1},
                              {"interference2", r->interference2},
                              {"path_length", Number(r->path_length)},
                              {"base_pitch", Number(r->base_pitch)},
                              {"single_contact", {Number(r->single_from), Number(r->single_to)}},
                              {"points", points},
                              {"balanced_shift1", balanced},
                              {"results", CurrentResults(p)}});
              return 0;
            });
          }};
}

}  // namespace spurgear::cli
