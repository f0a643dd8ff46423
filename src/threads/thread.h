// TThread: a system thread object whose Execute runs on a thread of its own.
//
// The constructor creates the thread suspended (EThread "Thread creation
// error: <system message>" when it cannot); the first Resume starts
// Execute, which polls Terminated. An exception escaping Execute is kept as
// FatalException. Afterwards OnTerminate, when set, runs on the main thread
// through Synchronize, and the thread is Finished. With FreeOnTerminate set
// (before Resume) the object deletes itself then; otherwise its owner calls
// WaitFor and deletes it. Deleting a thread that never started is always
// safe; deleting a running one terminates, resumes and waits for it, so a
// derived class whose Execute uses its own members must wait in its own
// destructor.
//
// Suspension is cooperative (freezing a thread at any point is never safe):
// Suspend sets a flag obeyed at the thread's next suspension point (before
// Execute, in Synchronize, in CheckTerminated). Suspend does not nest, and
// Terminate does not resume.
//
// Priority: Windows SetThreadPriority -15, -2, -1, 0, 1, 2, 15; Linux the
// thread's nice value: tpIdle 19, tpLowest +8, tpLower +4 from its starting
// value (at most 19), higher levels unchanged, since an unprivileged thread
// can only lower its priority; elsewhere kept but not applied. Failures are
// ignored. Flags and properties may be used from any thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

#include "threads/object.h"

enum TThreadPriority : int {
  tpIdle,
  tpLowest,
  tpLower,
  tpNormal,
  tpHigher,
  tpHighest,
  tpTimeCritical
};

class TThread : public TObject {
 public:
  // StackSize: bytes reserved for the thread's stack; 0 for the platform's
  // default.
  explicit TThread(std::size_t StackSize = 0);
  ~TThread() override;

  void Resume();
  void Suspend();
  void Terminate();

  bool Terminated() const { return FTerminated.load(); }
  bool Suspended() const;
  bool Finished() const;

  // A suspension point when called on this thread: waits while the thread is
  // suspended. Returns Terminated.
  bool CheckTerminated();

  // Waits until the thread has finished its end handling. On the main thread
  // it serves the synchronisation queue meanwhile, so the thread's own
  // Synchronize calls and OnTerminate can run. Raises EThread when called on
  // the thread itself.
  void WaitFor();

  TThreadPriority Priority() const;
  void SetPriority(TThreadPriority Value);

  bool FreeOnTerminate() const;
  void SetFreeOnTerminate(bool Value);

  // The exception that escaped Execute (or the end handling), or null.
  std::exception_ptr FatalException() const;

  TNotifyEvent OnTerminate() const;
  void SetOnTerminate(TNotifyEvent Value);

  // Runs Method on the main thread and waits for it; re-raises its exception.
  // Called on this thread it is a suspension point.
  void Synchronize(const std::function<void()>& Method);
  // The same for any thread; AThread may be null.
  static void Synchronize(TThread* AThread, const std::function<void()>& Method);

  // The thread object whose Execute (or end handling) is running on the
  // calling thread, or null.
  static TThread* CurrentThread();

 protected:
  virtual void Execute() = 0;
  // Calls OnTerminate through Synchronize when it is set.
  virtual void DoTerminate();

 private:
  struct TSystemThread;

  void Run();
  void WaitWhileSuspended();
  void ApplyPriorityLocked();

  mutable std::mutex FLock;
  std::condition_variable FChanged;
  std::atomic<bool> FTerminated{false};
  bool FSuspended = true;
  bool FStarted = false;
  bool FFinished = false;
  bool FDestroying = false;
  bool FFreeOnTerminate = false;
  TThreadPriority FPriority = tpNormal;
  std::exception_ptr FFatalException;
  TNotifyEvent FOnTerminate;
  // The platform's handle and ids of the system thread.
  std::unique_ptr<TSystemThread> FSystem;
};
