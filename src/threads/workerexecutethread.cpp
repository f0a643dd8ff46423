#include "threads/workerexecutethread.h"

#include <utility>

#include "threads/workerthread.h"

TWorkerExecuteThread::TWorkerExecuteThread(TWorkerThread* AThreadOwner, void* AUpdateData,
                                           std::size_t StackSize)
    : TThread(StackSize), ThreadOwner(AThreadOwner), UpdateData(AUpdateData) {
  SetOnTerminate([Owner = AThreadOwner](TObject* Sender) { Owner->WorkerTerminated(Sender); });
  SetFreeOnTerminate(true);
  SetPriority(AThreadOwner->Priority());
}

void TWorkerExecuteThread::Execute() { ThreadOwner->ExecuteInWorker(this); }

void TWorkerExecuteThread::Synchronize(TNotifyEvent SynchroEvent) {
  if (CheckTerminated() || !SynchroEvent) return;
  FNotifyEvent = std::move(SynchroEvent);
  TThread::Synchronize([this] { FNotifyEvent(ThreadOwner); });
}

void TWorkerExecuteThread::Synchronize(TWorkerThreadSynchroNotifyEvent SynchroEvent) {
  if (CheckTerminated() || !SynchroEvent) return;
  FThreadNotifyEvent = std::move(SynchroEvent);
  TThread::Synchronize([this] { FThreadNotifyEvent(ThreadOwner, this); });
}

void TWorkerExecuteThread::Synchronize(TWorkerThreadNotifyEvent SynchroEvent) {
  if (!SynchroEvent) return;
  Synchronize(TWorkerThreadSynchroNotifyEvent(
      [Event = std::move(SynchroEvent)](TWorkerThread* Sender, TWorkerExecuteThread* Thread) {
        Event(Sender, Thread);
      }));
}

void TWorkerExecuteThread::Synchronize(TWorkerThreadSynchroDataNotifyEvent SynchroEvent,
                                       void* Data) {
  if (CheckTerminated() || !SynchroEvent) return;
  FThreadDataNotifyEvent = std::move(SynchroEvent);
  FData = Data;
  TThread::Synchronize([this] { FThreadDataNotifyEvent(ThreadOwner, this, FData); });
}

void TWorkerExecuteThread::Synchronize(TWorkerThreadDataNotifyEvent SynchroEvent, void* Data) {
  if (!SynchroEvent) return;
  Synchronize(TWorkerThreadSynchroDataNotifyEvent(
      [Event = std::move(SynchroEvent)](TWorkerThread* Sender, TWorkerExecuteThread* Thread,
                                        void*& Slot) { Event(Sender, Thread, Slot); }),
      Data);
}
