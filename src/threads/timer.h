// TTimer: a timer that raises OnTimer on the main (user-interface) thread
// every Interval milliseconds while it is enabled, and the factory that the
// worker component gets its timer from.
//
// TTimer itself keeps Interval, Enabled and OnTimer but never fires: it is the
// inert timer that CreateTimer hands out while the application has installed
// no factory, so code built without an event loop (tests, tools) still runs,
// only without ticks. A platform timer derives from it, starts or stops itself
// in UpdateTimer, which runs after every property change, and calls Timer() on
// each tick. A new timer is disabled, with an interval of 1000 ms.
//
// A timer belongs to one thread (the main thread) and is used only there. The
// factory functions are thread-safe.
#pragma once

#include <functional>
#include <memory>

#include "threads/object.h"

class TTimer : public TObject {
 public:
  TTimer() = default;

  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  TNotifyEvent OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);

 protected:
  // Called after Interval, Enabled or OnTimer changed: a platform timer
  // (re)arms or stops itself from them. Does nothing here.
  virtual void UpdateTimer();
  // One tick: calls OnTimer with this timer as Sender while enabled.
  void Timer();

 private:
  unsigned FInterval = 1000;
  bool FEnabled = false;
  TNotifyEvent FOnTimer;
};

using TTimerFactory = std::function<std::unique_ptr<TTimer>()>;

// Installs the factory that CreateTimer uses; an empty one restores the inert
// default.
void SetTimerFactory(TTimerFactory Factory);

// A new timer from the installed factory, or an inert TTimer when none is
// installed or the factory gives none.
std::unique_ptr<TTimer> CreateTimer();
