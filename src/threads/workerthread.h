// TWorkerThread: a component that runs its OnExecute handler on a fresh
// system thread each time it is started, and reports the run's start,
// progress and end through events on the main (user-interface) thread.
//
// One run at a time: Start while a run exists is ignored, up to the moment
// the run's end has been handled on the main thread (WorkerTerminated), even
// after OnExecute has returned. OnStart, OnUpdate and OnTerminate are called
// on the main thread while holding UpdateCriticalSection; OnExecute runs on
// the run's thread without it and learns of Stop from Thread->Terminated().
// An exception escaping OnExecute ends the run silently (kept as the thread's
// FatalException until the thread object frees itself).
//
// Suspend and Resume are cooperative (see TThread): a suspended run pauses at
// its next suspension point (a Synchronize call or Thread->CheckTerminated()).
// Stop resumes the run and sets Terminated; Interrupted then reads true after
// OnExecute has returned.
//
// The update timer comes from CreateTimer (the application's factory) and
// ticks only while UpdateEnabled; each tick reports PercentProgress to the
// group and to OnUpdate.
//
// Everything except OnExecute runs on the main thread: Start, Stop and the
// setters are called there. Runing, Interrupted and Thread may be read from
// any thread. Destroying a running component asks the run to terminate
// (resuming it if suspended) and waits, serving the main-thread queue so that
// the handler's Synchronize calls still run, until OnExecute has returned; no
// OnTerminate is raised for that run. Freed on another thread, the component
// has the main thread release its run, timer and group (through Synchronize)
// and waits for it. It must not be freed from its own handlers or from an
// event that its own run synchronises.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "threads/thread.h"
#include "threads/timer.h"
#include "threads/workerthreadbase.h"

class TWorkerThread : public TWorkerThreadBase {
 public:
  explicit TWorkerThread(TComponent* AOwner);
  ~TWorkerThread() override;

  bool Runing() const override;

  void Start() override;
  // Starts a run handing it Data; does nothing while a run exists. Raises
  // EThread, leaving the component idle, when no thread can be created. When
  // OnStart (or the group's handlers) raise, the run is cancelled before
  // OnExecute (its end is still handled as usual) and the error propagates.
  void Start(void* Data) override;
  void Stop() override;
  void Suspend() override;
  void Resume() override;

  unsigned RefreshInterval() const;
  void SetRefreshInterval(unsigned Value);
  TThreadPriority Priority() const { return FPriority; }
  // Stores Value and applies it at once to a running thread.
  void SetPriority(TThreadPriority Value);
  bool UpdateEnabled() const { return FUpdateEnabled; }
  // Switches the update timer on or off at once when Value differs.
  void SetUpdateEnabled(bool Value);

  TWorkerThreadDataNotifyEvent OnExecute() const;
  void SetOnExecute(TWorkerThreadDataNotifyEvent Value);

  // The run had been asked to terminate when OnExecute returned.
  bool Interrupted() const { return FInterrupted.load(); }
  // The current run's thread, or null.
  TWorkerExecuteThread* Thread() const { return FExecuteThread.load(); }

 protected:
  friend class TWorkerExecuteThread;

  void NotifyGroupStarted(TWorkerThreadGroup* Group) override;
  void NotifyGroupTerminated(TWorkerThreadGroup* Group) override;
  bool JoinGroup(TWorkerThreadGroup* Group) override;
  void LeaveGroup(TWorkerThreadGroup* Group) override;

  // The update timer's OnTimer.
  virtual void UpdateTimerTick(TObject* Sender);
  // Called by the run's thread: runs OnExecute, then records Interrupted.
  virtual void ExecuteInWorker(TWorkerExecuteThread* AThread);
  // The run thread's OnTerminate, on the main thread.
  virtual void WorkerTerminated(TObject* Sender);
  // The run thread's OnTerminate while the component is being destroyed.
  virtual void WorkerReleased(TObject* Sender);
  // Makes the thread object of a new run (suspended).
  virtual TWorkerExecuteThread* CreateExecuteThread(void* Data);

 private:
  std::unique_ptr<TTimer> FUpdateTimer;
  TWorkerThreadDataNotifyEvent FOnExecute;
  // Written on the main thread only; atomic so that Runing and Thread can be
  // read anywhere.
  std::atomic<TWorkerExecuteThread*> FExecuteThread{nullptr};
  TThreadPriority FPriority = tpNormal;
  bool FUpdateEnabled = false;
  std::atomic<bool> FInterrupted{false};
  // Guards FOnExecute, which the run's thread reads while the main thread may
  // set it.
  mutable std::mutex FExecuteLock;
  // The run whose end WorkerTerminated is handling, for the group's notice.
  TWorkerExecuteThread* FEndingThread = nullptr;
};
