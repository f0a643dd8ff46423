// TCriticalSection: a lock that the thread holding it may enter again.
//
// Each Enter needs a matching Leave on the same thread. The lowercase
// lock/unlock/try_lock make it usable with std::lock_guard and
// std::unique_lock. Destroying it while a thread holds it is undefined.
#pragma once

#include <mutex>

#include "threads/object.h"

class TCriticalSection : public TObject {
 public:
  TCriticalSection() = default;

  void Enter();
  void Leave();
  bool TryEnter();

  void lock() { Enter(); }
  void unlock() { Leave(); }
  bool try_lock() { return TryEnter(); }

 private:
  std::recursive_mutex FMutex;
};
