#include "browsing/zoomsteps.h"

#include <algorithm>

int TZoomSteps::ZoomIn(int Percent) {
  const auto Next = std::upper_bound(kPercents.begin(), kPercents.end(), Percent);
  return Next == kPercents.end() ? kPercents.back() : *Next;
}

int TZoomSteps::ZoomOut(int Percent) {
  const auto First = std::lower_bound(kPercents.begin(), kPercents.end(), Percent);
  return First == kPercents.begin() ? kPercents.front() : *(First - 1);
}
