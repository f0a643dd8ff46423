// TThread: a system thread object whose Execute runs on a thread of its own.
//
// Life of a thread object:
// - The constructor creates the system thread, suspended: it waits before
//   Execute until the first Resume. If the system cannot create it, the
//   constructor raises EThread "Thread creation error: <system message>".
// - Terminate only sets the Terminated flag; Execute polls it. A thread
//   terminated before it first runs skips Execute.
// - An exception escaping Execute is caught and kept (FatalException).
// - After Execute the end handling runs: a set OnTerminate is called on the
//   main thread through Synchronize while this thread waits (an exception from
//   it is kept as FatalException when none is kept yet). The thread is then
//   Finished.
// - With FreeOnTerminate set (before Resume) the object deletes itself after
//   its end handling; nobody else may delete it or call WaitFor then.
//   Otherwise its owner calls WaitFor and deletes it. Deleting a thread that
//   never started is safe at any time: it leaves without running Execute or
//   its end handling. Deleting one that is still running terminates, resumes
//   and waits for it, which is only sound while Execute uses nothing of the
//   derived object that has already been destroyed: a derived class whose
//   Execute uses its own members terminates and waits in its own destructor.
//
// Suspension is cooperative. No platform offers a safe way to freeze another
// thread at an arbitrary point (it could be holding the heap's lock), so
// Suspend only sets a flag that the thread obeys at its next suspension point:
// before Execute begins, in Synchronize and in CheckTerminated, when called on
// the thread itself. There it waits until Resume. Suspend and Resume do not
// nest: one Resume undoes any number of Suspend calls. Terminate does not
// resume a suspended thread; the end handling never waits for a resume.
//
// Priority maps TThreadPriority onto the platform. Windows: SetThreadPriority
// with the relative priorities -15, -2, -1, 0, 1, 2, 15. Linux: the thread's
// own nice value, relative to the nice value it started with (inherited from
// its creator, normally the process's): tpIdle 19, tpLowest +8, tpLower +4,
// tpNormal and every level above it unchanged (an unprivileged process cannot
// raise priority), capped at 19. An unprivileged thread cannot return to a
// lower nice value either, so after a lowering a later raise has no effect.
// Failures are ignored. Other systems: priorities are kept but not applied.
//
// The flags and properties may be read and set from any thread.
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
