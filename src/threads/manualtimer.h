// TManualTimer: a TTimer that ticks only when told to, for tests. Fire() is
// one tick: it calls OnTimer, on the calling thread, when the timer is
// enabled and the handler is set, exactly as a platform timer's tick would.
#pragma once

#include "threads/timer.h"

class TManualTimer : public TTimer {
 public:
  TManualTimer() = default;

  void Fire();
};
