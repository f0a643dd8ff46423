#include "threads/synchronize.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>

namespace {

struct TSyncRequest {
  const std::function<void()>* Method = nullptr;
  std::exception_ptr Error;
  bool Done = false;
};

struct TSyncState {
  std::mutex Lock;
  std::condition_variable Arrived;  // the main thread waits here for work
  std::condition_variable Served;   // queuing threads wait here for their request
  std::deque<TSyncRequest*> Queue;
  bool Signalled = false;
  std::thread::id MainThread = std::this_thread::get_id();
  std::function<void()> Wake;
};

// Never destroyed: worker threads that outlive static destruction may still
// pass through it.
TSyncState& State() {
  static TSyncState* const Instance = new TSyncState;
  return *Instance;
}

// Creates the state during static initialisation, so that the initial thread
// is the main thread by default.
[[maybe_unused]] const bool StateCreated = (State(), true);

}  // namespace

void SetMainThread() {
  TSyncState& S = State();
  std::lock_guard<std::mutex> Guard(S.Lock);
  S.MainThread = std::this_thread::get_id();
}

std::thread::id MainThreadID() {
  TSyncState& S = State();
  std::lock_guard<std::mutex> Guard(S.Lock);
  return S.MainThread;
}

bool IsMainThread() { return MainThreadID() == std::this_thread::get_id(); }

bool CheckSynchronize(int TimeoutMs) {
  TSyncState& S = State();
  std::unique_lock<std::mutex> Lock(S.Lock);
  if (S.MainThread != std::this_thread::get_id()) return false;
  if (S.Queue.empty() && TimeoutMs > 0) {
    S.Arrived.wait_for(Lock, std::chrono::milliseconds(TimeoutMs),
                       [&S] { return !S.Queue.empty() || S.Signalled; });
  }
  S.Signalled = false;
  bool Ran = false;
  // Only what was queued on entry, so that busy threads cannot keep the
  // caller here for ever.
  for (std::size_t Count = S.Queue.size(); Count > 0 && !S.Queue.empty(); --Count) {
    TSyncRequest* Request = S.Queue.front();
    S.Queue.pop_front();
    Lock.unlock();
    try {
      (*Request->Method)();
    } catch (...) {
      Request->Error = std::current_exception();
    }
    Lock.lock();
    Request->Done = true;
    S.Served.notify_all();
    Ran = true;
  }
  return Ran;
}

void SetWakeMainThread(std::function<void()> Hook) {
  TSyncState& S = State();
  std::lock_guard<std::mutex> Guard(S.Lock);
  S.Wake = std::move(Hook);
}

namespace varnesk::threads {

void SynchronizeOnMainThread(const std::function<void()>& Method) {
  TSyncState& S = State();
  TSyncRequest Request;
  Request.Method = &Method;
  std::function<void()> Wake;
  {
    std::unique_lock<std::mutex> Lock(S.Lock);
    if (S.MainThread == std::this_thread::get_id()) {
      Lock.unlock();
      Method();
      return;
    }
    S.Queue.push_back(&Request);
    Wake = S.Wake;
  }
  S.Arrived.notify_all();
  if (Wake) {
    // The request is queued and refers to this frame: nothing may leave
    // before it has been served.
    try {
      Wake();
    } catch (...) {
    }
  }
  {
    std::unique_lock<std::mutex> Lock(S.Lock);
    S.Served.wait(Lock, [&Request] { return Request.Done; });
  }
  if (Request.Error) std::rethrow_exception(Request.Error);
}

void SignalSyncEvent() {
  TSyncState& S = State();
  {
    std::lock_guard<std::mutex> Guard(S.Lock);
    S.Signalled = true;
  }
  S.Arrived.notify_all();
}

}  // namespace varnesk::threads
