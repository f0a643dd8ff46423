// TWorkerExecuteThread: the system thread of one run of a TWorkerThread.
//
// The component creates one per run, suspended, and resumes it; its Execute
// calls the component's ExecuteInWorker, which runs OnExecute. The thread
// object frees itself after its end has been handled on the main thread
// (FreeOnTerminate), so nobody else deletes it. It is valid in the handlers
// that receive it, up to and including the component's OnTerminate.
//
// For use inside OnExecute: Terminated (Stop asked the run to end),
// CheckTerminated (the same, and a suspension point), PercentProgress (read by
// the component's update timer) and the Synchronize forms, which run an event
// on the main thread while this thread waits. Each form does nothing once the
// thread has been asked to terminate, or when the event is unset; an
// exception the event raises is raised again here. The forms differ only in
// the event type, so pass a value of that type: a lambda that fits two of the
// types is ambiguous.
//
// UpdateData is the run's one data slot, shared by OnStart, OnExecute,
// OnUpdate and OnTerminate. Handlers on different threads that replace it
// while the run is going must order those writes themselves (for instance by
// replacing it only inside a synchronised event).
#pragma once

#include <atomic>
#include <cstddef>

#include "threads/thread.h"
#include "threads/workerthreadbase.h"

class TWorkerExecuteThread : public TThread {
 public:
  // Creates the system thread suspended (raising EThread when it cannot), with
  // the owner's priority and the owner's WorkerTerminated as OnTerminate.
  TWorkerExecuteThread(TWorkerThread* AThreadOwner, void* AUpdateData, std::size_t StackSize = 0);

  using TThread::Synchronize;
  // Sender = ThreadOwner.
  void Synchronize(TNotifyEvent SynchroEvent);
  // Sender = ThreadOwner, Thread = this thread.
  void Synchronize(TWorkerThreadSynchroNotifyEvent SynchroEvent);
  void Synchronize(TWorkerThreadNotifyEvent SynchroEvent);
  // Sender = ThreadOwner, Thread = this thread, Data = a reference to a slot
  // holding the Data given here.
  void Synchronize(TWorkerThreadSynchroDataNotifyEvent SynchroEvent, void* Data);
  void Synchronize(TWorkerThreadDataNotifyEvent SynchroEvent, void* Data);

  TWorkerThread* const ThreadOwner;

 private:
  void* FData = nullptr;
  TNotifyEvent FNotifyEvent;
  TWorkerThreadSynchroNotifyEvent FThreadNotifyEvent;
  TWorkerThreadSynchroDataNotifyEvent FThreadDataNotifyEvent;

 public:
  void* UpdateData = nullptr;
  // The run's progress as the OnExecute code sets it, 0 at creation. Atomic:
  // written by the run's thread while the main thread's timer reads it.
  std::atomic<int> PercentProgress{0};

 protected:
  void Execute() override;
};
