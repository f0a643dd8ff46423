#include "sharedresults/scrollfraction.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct TScrollCase {
  double Top, Range, TargetRange;
  int Expected;
  const char* Why;
};

TEST(ScrollTogetherTop, KeepsTheFractionOfTheScrollableHeight) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  const TScrollCase cases[] = {
      {0, 1000, 3000, 0, "the top stays the top"},
      {1000, 1000, 3000, 3000, "the bottom stays the bottom"},
      {250, 1000, 3000, 750, "a quarter of the way"},
      {333, 1000, 100, 33, "rounded to whole pixels"},
      {500, 1000, 0, 0, "a target that cannot scroll"},
      {500, 0, 3000, 0, "a source that cannot scroll"},
      {-40, 1000, 3000, 0, "overscroll above the top"},
      {1200, 1000, 3000, 3000, "overscroll below the bottom"},
      {nan, 1000, 3000, 0, "no figure"},
      {500, inf, 3000, 0, "an endless page"},
      {1, 1, 1e12, 2147483647, "a target beyond any offset"},
  };
  for (const TScrollCase& c : cases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(ScrollTogetherTop(c.Top, c.Range, c.TargetRange), c.Expected);
  }
}

}  // namespace
