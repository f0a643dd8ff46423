#include "threads/timer.h"

#include <mutex>
#include <utility>

namespace {

struct TFactoryState {
  std::mutex Lock;
  TTimerFactory Factory;
};

TFactoryState& FactoryState() {
  static TFactoryState State;
  return State;
}

}  // namespace

void TTimer::SetInterval(unsigned Value) {
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TTimer::UpdateTimer() {}

void TTimer::Timer() {
  if (!FEnabled || !FOnTimer) return;
  // A copy: the handler may replace OnTimer or switch the timer off.
  const TNotifyEvent Handler = FOnTimer;
  Handler(this);
}

void SetTimerFactory(TTimerFactory Factory) {
  TFactoryState& State = FactoryState();
  std::lock_guard<std::mutex> Guard(State.Lock);
  State.Factory = std::move(Factory);
}

std::unique_ptr<TTimer> CreateTimer() {
  TTimerFactory Factory;
  {
    TFactoryState& State = FactoryState();
    std::lock_guard<std::mutex> Guard(State.Lock);
    Factory = State.Factory;
  }
  std::unique_ptr<TTimer> Timer = Factory ? Factory() : nullptr;
  if (!Timer) Timer = std::make_unique<TTimer>();
  return Timer;
}
