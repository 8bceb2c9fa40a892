// The form factor between table entries, shown with fifteen significant
// digits.
#include <gtest/gtest.h>

#include "strength/lewis.h"

namespace spurgear {
namespace {

TEST(FormFactor, BetweenTableEntriesShowsFifteenDigits) {
  // 0.28 + (z − 12)·(0.318 − 0.28)/3 and 0.403 + (47 − 40)·0.019/10, by hand.
  const struct {
    int32_t z;
    const char* shown;
  } cases[] = {{13, "0.292666666666667"}, {14, "0.305333333333333"}, {47, "0.4163"}};
  for (const auto& c : cases) {
    LewisInputs in;
    in.Teeth1 = c.z;
    EXPECT_EQ(ComputeLewis(in).FormFactorText, c.shown) << c.z;
  }
}

}  // namespace
}  // namespace spurgear
