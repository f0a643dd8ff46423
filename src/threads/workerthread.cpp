#include "threads/workerthread.h"

#include <utility>

#include "threads/synchronize.h"
#include "threads/workerexecutethread.h"
#include "threads/workerthreadgroup.h"

namespace {

constexpr unsigned DefaultRefreshInterval = 100;
// How long the destructor sleeps at most between looks at the run; the run's
// end is itself a queued request, which wakes it at once.
constexpr int ReleaseWaitMs = 100;

}  // namespace

TWorkerThread::TWorkerThread(TComponent* AOwner)
    : TWorkerThreadBase(AOwner), FUpdateTimer(CreateTimer()) {
  FUpdateTimer->SetEnabled(false);
  FUpdateTimer->SetInterval(DefaultRefreshInterval);
  FUpdateTimer->SetOnTimer([this](TObject* Sender) { UpdateTimerTick(Sender); });
}

TWorkerThread::~TWorkerThread() {
  // The run, the timer and the group belong to the main thread: freed
  // elsewhere, the component has the main thread do this part and waits.
  varnesk::threads::SynchronizeOnMainThread([this] {
    FUpdateTimer->SetEnabled(false);
    if (TWorkerExecuteThread* Run = FExecuteThread.load()) {
      Run->SetOnTerminate([this](TObject* Sender) { WorkerReleased(Sender); });
      Run->Terminate();
      Run->Resume();
    }
    // Left while the run is still going, so that the group, which will hear
    // nothing of its end, uncounts it. An error from the group's handlers
    // must not stop the wait below.
    try {
      SetThreadGroup(nullptr);
    } catch (...) {
    }
    // Serves the run's Synchronize calls, and finally its end, which clears
    // FExecuteThread.
    while (FExecuteThread.load() != nullptr) CheckSynchronize(ReleaseWaitMs);
    FUpdateTimer.reset();
  });
}

bool TWorkerThread::Runing() const { return FExecuteThread.load() != nullptr; }

void TWorkerThread::Start() { Start(nullptr); }

void TWorkerThread::Start(void* Data) {
  if (FExecuteThread.load() != nullptr) return;
  TWorkerExecuteThread* Run = CreateExecuteThread(Data);
  if (Run == nullptr) return;
  FExecuteThread.store(Run);
  FInterrupted.store(false);
  try {
    NotifyGroupStarted(FThreadGroup);
    if (FOnStart) {
      const TWorkerThreadDataNotifyEvent Handler = FOnStart;
      std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
      Handler(this, Run, Run->UpdateData);
    }
  } catch (...) {
    // A run that never begins would keep the component running for ever:
    // it ends at once instead, through the usual end handling.
    Run->Terminate();
    Run->Resume();
    throw;
  }
  Run->Resume();
  FUpdateTimer->SetEnabled(FUpdateEnabled);
}

void TWorkerThread::Stop() {
  if (TWorkerExecuteThread* Run = FExecuteThread.load()) {
    // Terminated first, so that the resumed run sees the request at once.
    Run->Terminate();
    Run->Resume();
  }
}

void TWorkerThread::Suspend() {
  if (TWorkerExecuteThread* Run = FExecuteThread.load()) Run->Suspend();
}

void TWorkerThread::Resume() {
  if (TWorkerExecuteThread* Run = FExecuteThread.load()) Run->Resume();
}

unsigned TWorkerThread::RefreshInterval() const { return FUpdateTimer->Interval(); }

void TWorkerThread::SetRefreshInterval(unsigned Value) { FUpdateTimer->SetInterval(Value); }

void TWorkerThread::SetPriority(TThreadPriority Value) {
  if (Value < tpIdle || Value > tpTimeCritical) return;
  FPriority = Value;
  if (TWorkerExecuteThread* Run = FExecuteThread.load()) Run->SetPriority(Value);
}

void TWorkerThread::SetUpdateEnabled(bool Value) {
  if (Value == FUpdateEnabled) return;
  FUpdateEnabled = Value;
  FUpdateTimer->SetEnabled(Value);
}

TWorkerThreadDataNotifyEvent TWorkerThread::OnExecute() const {
  std::lock_guard<std::mutex> Guard(FExecuteLock);
  return FOnExecute;
}

void TWorkerThread::SetOnExecute(TWorkerThreadDataNotifyEvent Value) {
  std::lock_guard<std::mutex> Guard(FExecuteLock);
  FOnExecute = std::move(Value);
}

void TWorkerThread::NotifyGroupStarted(TWorkerThreadGroup* Group) {
  TWorkerExecuteThread* Run = FExecuteThread.load();
  if (Run != nullptr && Group != nullptr) Group->ThreadStarted(this, Run, Run->UpdateData);
}

void TWorkerThread::NotifyGroupTerminated(TWorkerThreadGroup* Group) {
  // Only for the run whose end is being handled: an idle component has no
  // end to report, and reporting one would spoil the group's count.
  if (Runing() || Group == nullptr || FEndingThread == nullptr) return;
  Group->ThreadTerminated(this, FEndingThread, FEndingThread->UpdateData);
}

bool TWorkerThread::JoinGroup(TWorkerThreadGroup* Group) { return Group->AddThread(this); }

void TWorkerThread::LeaveGroup(TWorkerThreadGroup* Group) { Group->RemoveThread(this); }

void TWorkerThread::UpdateTimerTick(TObject* /*Sender*/) {
  TWorkerExecuteThread* Run = FExecuteThread.load();
  if (Run == nullptr) return;
  if (FThreadGroup != nullptr) {
    FThreadGroup->ThreadUpdate(this, Run, Run->UpdateData, FUpdatePriority,
                               Run->PercentProgress.load());
  }
  // The group's handlers may have served the queue and so ended the run.
  Run = FExecuteThread.load();
  if (Run == nullptr || !FOnUpdate) return;
  const TWorkerThreadUpdateNotifyEvent Handler = FOnUpdate;
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  Handler(this, Run, Run->UpdateData, Run->PercentProgress.load());
}

void TWorkerThread::ExecuteInWorker(TWorkerExecuteThread* AThread) {
  const TWorkerThreadDataNotifyEvent Handler = OnExecute();
  if (Handler) Handler(this, AThread, AThread->UpdateData);
  FInterrupted.store(AThread->Terminated());
}

void TWorkerThread::WorkerTerminated(TObject* Sender) {
  auto* Ended = dynamic_cast<TWorkerExecuteThread*>(Sender);
  if (Ended == nullptr) return;
  FUpdateTimer->SetEnabled(false);
  TWorkerExecuteThread* Expected = Ended;
  FExecuteThread.compare_exchange_strong(Expected, nullptr);
  // From here Start, even from within OnTerminate, begins a new run. However
  // the handlers leave, the timer follows UpdateEnabled again afterwards.
  struct TEndGuard {
    TWorkerThread* Self;
    ~TEndGuard() {
      Self->FEndingThread = nullptr;
      Self->FUpdateTimer->SetEnabled(Self->FUpdateEnabled);
    }
  } Guard{this};
  FEndingThread = Ended;
  NotifyGroupTerminated(FThreadGroup);
  if (FOnTerminate) {
    const TWorkerThreadDataNotifyEvent Handler = FOnTerminate;
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    Handler(this, Ended, Ended->UpdateData);
  }
}

void TWorkerThread::WorkerReleased(TObject* Sender) {
  TWorkerExecuteThread* Expected = dynamic_cast<TWorkerExecuteThread*>(Sender);
  if (Expected != nullptr) FExecuteThread.compare_exchange_strong(Expected, nullptr);
}

TWorkerExecuteThread* TWorkerThread::CreateExecuteThread(void* Data) {
  return new TWorkerExecuteThread(this, Data);
}
