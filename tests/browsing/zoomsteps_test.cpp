#include "browsing/zoomsteps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ZoomSteps, StepsAreChromiumsAscendingAroundTheDefault) {
  EXPECT_TRUE(std::is_sorted(TZoomSteps::kPercents.begin(), TZoomSteps::kPercents.end()));
  EXPECT_EQ(TZoomSteps::kPercents.front(), 25);
  EXPECT_EQ(TZoomSteps::kPercents.back(), 500);
  EXPECT_NE(std::find(TZoomSteps::kPercents.begin(), TZoomSteps::kPercents.end(), TZoomSteps::kDefaultPercent),
            TZoomSteps::kPercents.end());
}

TEST(ZoomSteps, InAndOutMoveOneStepAndStopAtTheEnds) {
  struct Case {
    int Percent;
    int In;
    int Out;
    const char* Reason;
  };
  const Case Cases[] = {
      {100, 110, 90, "the default"},
      {90, 100, 80, "a step below the default"},
      {25, 33, 25, "the smallest stays on zooming out"},
      {500, 500, 400, "the largest stays on zooming in"},
      {67, 75, 50, "Chromium's two-thirds"},
      {130, 150, 125, "between steps lands on the neighbours"},
      {10, 25, 25, "below the range"},
      {900, 500, 500, "above the range"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Reason);
    EXPECT_EQ(TZoomSteps::ZoomIn(C.Percent), C.In);
    EXPECT_EQ(TZoomSteps::ZoomOut(C.Percent), C.Out);
  }
}

TEST(ZoomSteps, StepsWalkTheWholeTableBothWays) {
  int Percent = TZoomSteps::kPercents.front();
  for (std::size_t I = 1; I < TZoomSteps::kPercents.size(); ++I) {
    Percent = TZoomSteps::ZoomIn(Percent);
    EXPECT_EQ(Percent, TZoomSteps::kPercents[I]);
  }
  for (std::size_t I = TZoomSteps::kPercents.size() - 1; I-- > 0;) {
    Percent = TZoomSteps::ZoomOut(Percent);
    EXPECT_EQ(Percent, TZoomSteps::kPercents[I]);
  }
}

}  // namespace
