// TZoomSteps: the zoom levels a pane steps through, Chromium's own, in
// percent from 25 to 500.
//
// ZoomIn answers the first step above a level and ZoomOut the last step
// below it, so a level between two steps (a hand-edited preferences file)
// lands on a step; at either end the level stays at the end. Pure.
#pragma once

#include <array>

class TZoomSteps {
 public:
  static constexpr std::array<int, 17> kPercents{25,  33,  50,  67,  75,  80,  90,  100, 110,
                                                 125, 150, 175, 200, 250, 300, 400, 500};
  static constexpr int kDefaultPercent = 100;

  static int ZoomIn(int Percent);
  static int ZoomOut(int Percent);
};
