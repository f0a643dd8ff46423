#include "sharedresults/scrollfraction.h"

#include <algorithm>
#include <cmath>

int ScrollTogetherTop(double Top, double Range, double TargetRange) {
  if (!std::isfinite(Top) || !std::isfinite(Range) || !std::isfinite(TargetRange)) return 0;
  if (Range <= 0 || TargetRange <= 0) return 0;
  const double fraction = std::clamp(Top / Range, 0.0, 1.0);
  const double target = std::min(std::round(fraction * TargetRange), 2147483647.0);
  return static_cast<int>(target);
}
