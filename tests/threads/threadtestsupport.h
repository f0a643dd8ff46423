// Helpers for the thread tests: bounded waits that keep serving the
// main-thread queue, a one-shot gate, and a timer factory that hands out
// manual timers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "threads/manualtimer.h"
#include "threads/synchronize.h"
#include "threads/timer.h"

namespace threadtest {

inline constexpr std::chrono::seconds Patience{10};

// Serves the queue on the main thread until Done() holds; false when it did
// not within Patience.
inline bool ServeUntil(const std::function<bool()>& Done) {
  const auto Deadline = std::chrono::steady_clock::now() + Patience;
  while (!Done()) {
    if (std::chrono::steady_clock::now() > Deadline) return false;
    CheckSynchronize(10);
  }
  return true;
}

// A gate that opens once; waiting on it is bounded.
class TGate {
 public:
  void Open() {
    std::lock_guard<std::mutex> Guard(FLock);
    FOpen = true;
    FChanged.notify_all();
  }
  bool IsOpen() const {
    std::lock_guard<std::mutex> Guard(FLock);
    return FOpen;
  }
  bool Wait(std::chrono::milliseconds Limit = Patience) {
    std::unique_lock<std::mutex> Lock(FLock);
    return FChanged.wait_for(Lock, Limit, [this] { return FOpen; });
  }

 private:
  mutable std::mutex FLock;
  std::condition_variable FChanged;
  bool FOpen = false;
};

// Installs a factory of manual timers for its lifetime; Last() is the timer
// made most recently (owned by whoever asked for it).
class TManualTimerFactory {
 public:
  TManualTimerFactory() {
    SetTimerFactory([this] {
      auto Timer = std::make_unique<TManualTimer>();
      FLast = Timer.get();
      return std::unique_ptr<TTimer>(std::move(Timer));
    });
  }
  ~TManualTimerFactory() { SetTimerFactory(nullptr); }
  TManualTimerFactory(const TManualTimerFactory&) = delete;
  TManualTimerFactory& operator=(const TManualTimerFactory&) = delete;

  TManualTimer* Last() const { return FLast; }

 private:
  TManualTimer* FLast = nullptr;
};

}  // namespace threadtest
