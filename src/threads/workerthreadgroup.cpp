#include "threads/workerthreadgroup.h"

#include <algorithm>
#include <mutex>

#include "threads/workerexecutethread.h"
#include "threads/workerthread.h"

namespace {

template <typename T>
void EraseFirst(std::vector<T*>& List, const T* Item) {
  auto It = std::find(List.begin(), List.end(), Item);
  if (It != List.end()) List.erase(It);
}

}  // namespace

TWorkerThreadGroup::TWorkerThreadGroup(TComponent* AOwner) : TWorkerThreadBase(AOwner) {}

TWorkerThreadGroup::~TWorkerThreadGroup() {
  FDestroying = true;
  // The enclosing group's handlers run while it uncounts this group's runs;
  // an error there must not stop the detaching.
  try {
    SetThreadGroup(nullptr);
  } catch (...) {
  }
  for (;;) {
    TWorkerThreadBase* Item = ItemAt(0);
    if (Item == nullptr) break;
    Item->SetThreadGroup(nullptr);
    // An item always leaves through its setter; this only guarantees the
    // loop's end.
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    if (!ThreadItemsList.empty() && ThreadItemsList.front() == Item) {
      ThreadItemsList.erase(ThreadItemsList.begin());
    }
  }
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  ThreadsList.clear();
}

bool TWorkerThreadGroup::Runing() const { return CountRuning() > 0; }

int TWorkerThreadGroup::CountRuning() const {
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  return FCountRuning;
}

// The list is read afresh at each step: a member's handlers may change it.
void TWorkerThreadGroup::Start() { Start(nullptr); }

void TWorkerThreadGroup::Start(void* Data) {
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) Item->Start(Data);
}

void TWorkerThreadGroup::Stop() {
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) Item->Stop();
}

void TWorkerThreadGroup::Suspend() {
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) Item->Suspend();
}

void TWorkerThreadGroup::Resume() {
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) Item->Resume();
}

bool TWorkerThreadGroup::AddThread(TWorkerThread* AThread) {
  if (AThread == nullptr) return false;
  TWorkerThreadBase* Item = AThread;
  if (Item->FThreadGroup != nullptr) return false;
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    ThreadItemsList.push_back(AThread);
    ThreadsList.push_back(AThread);
  }
  Item->FThreadGroup = this;
  // Counted once it is a member, so that its end reaches this group even if
  // a start handler raises.
  if (Item->Runing()) Item->NotifyGroupStarted(this);
  return true;
}

void TWorkerThreadGroup::RemoveThread(TWorkerThread* AThread) {
  if (AThread == nullptr) return;
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    auto It = std::find(ThreadItemsList.begin(), ThreadItemsList.end(), AThread);
    if (It == ThreadItemsList.end()) return;
    ThreadItemsList.erase(It);
    EraseFirst(ThreadsList, AThread);
  }
  TWorkerThreadBase* Item = AThread;
  if (Item->FThreadGroup == this) Item->FThreadGroup = nullptr;
  if (FThreadGroup != nullptr) FThreadGroup->DropThreads({AThread});
  UncountRunsOf(AThread);
}

bool TWorkerThreadGroup::AddThreadGroup(TWorkerThreadGroup* AThreadGroup) {
  if (AThreadGroup == nullptr || AThreadGroup->FThreadGroup != nullptr) return false;
  if (IsSelfOrAbove(AThreadGroup)) return false;
  const std::vector<TWorkerThread*> Gathered = AThreadGroup->ThreadsSnapshot();
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    ThreadItemsList.push_back(AThreadGroup);
    ThreadsList.insert(ThreadsList.end(), Gathered.begin(), Gathered.end());
  }
  AThreadGroup->FThreadGroup = this;
  if (AThreadGroup->Runing()) AThreadGroup->NotifyGroupStarted(this);
  return true;
}

void TWorkerThreadGroup::RemoveThreadGroup(TWorkerThreadGroup* AThreadGroup) {
  if (AThreadGroup == nullptr) return;
  const std::vector<TWorkerThread*> Gathered = AThreadGroup->ThreadsSnapshot();
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    auto It = std::find(ThreadItemsList.begin(), ThreadItemsList.end(), AThreadGroup);
    if (It == ThreadItemsList.end()) return;
    ThreadItemsList.erase(It);
    for (TWorkerThread* Thread : Gathered) EraseFirst(ThreadsList, Thread);
  }
  if (AThreadGroup->FThreadGroup == this) AThreadGroup->FThreadGroup = nullptr;
  if (FThreadGroup != nullptr) FThreadGroup->DropThreads(Gathered);
  UncountRunsOf(AThreadGroup);
}

int TWorkerThreadGroup::ThreadItemsCount() const {
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  return static_cast<int>(ThreadItemsList.size());
}

int TWorkerThreadGroup::ThreadsCount() const {
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  return static_cast<int>(ThreadsList.size());
}

TWorkerThreadBase* TWorkerThreadGroup::GetThreadItems(int Index) const {
  return Index < 0 ? nullptr : ItemAt(static_cast<std::size_t>(Index));
}

TWorkerThread* TWorkerThreadGroup::GetThreads(int Index) const {
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  if (Index < 0 || static_cast<std::size_t>(Index) >= ThreadsList.size()) return nullptr;
  return ThreadsList[static_cast<std::size_t>(Index)];
}

void TWorkerThreadGroup::NotifyGroupStarted(TWorkerThreadGroup* Group) {
  if (Group == nullptr) return;
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) Item->NotifyGroupStarted(Group);
}

void TWorkerThreadGroup::NotifyGroupTerminated(TWorkerThreadGroup* Group) {
  if (Group == nullptr) return;
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) {
    Item->NotifyGroupTerminated(Group);
  }
}

bool TWorkerThreadGroup::JoinGroup(TWorkerThreadGroup* Group) {
  return Group->AddThreadGroup(this);
}

void TWorkerThreadGroup::LeaveGroup(TWorkerThreadGroup* Group) { Group->RemoveThreadGroup(this); }

void TWorkerThreadGroup::ThreadStarted(TObject* Sender, TWorkerExecuteThread* Thread,
                                       void*& Data) {
  bool First = false;
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    First = FCountRuning == 0;
    ++FCountRuning;
    if (FOnThreadStart && !FDestroying) {
      const TWorkerThreadDataNotifyEvent Handler = FOnThreadStart;
      Handler(Sender, Thread, Data);
    }
  }
  if (FThreadGroup != nullptr) FThreadGroup->ThreadStarted(Sender, Thread, Data);
  if (First && FOnStart && !FDestroying) {
    const TWorkerThreadDataNotifyEvent Handler = FOnStart;
    Handler(this, Thread, Data);
  }
}

void TWorkerThreadGroup::ThreadUpdate(TObject* Sender, TWorkerExecuteThread* Thread, void*& Data,
                                      int AUpdatePriority, int PercentProgres) {
  if (FOnThreadUpdate) {
    const TWorkerThreadUpdateNotifyEvent Handler = FOnThreadUpdate;
    Handler(Sender, Thread, Data, PercentProgres);
  }
  if (!FOnUpdate) return;
  for (std::size_t I = 0; TWorkerThreadBase* Item = ItemAt(I); ++I) {
    if (Item->Runing() && Item->UpdatePriority() > AUpdatePriority) return;
  }
  const TWorkerThreadUpdateNotifyEvent Handler = FOnUpdate;
  Handler(this, Thread, Data, PercentProgres);
}

void TWorkerThreadGroup::ThreadTerminated(TObject* Sender, TWorkerExecuteThread* Thread,
                                          void*& Data) {
  bool Last = false;
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    if (FCountRuning > 0) {
      --FCountRuning;
      Last = FCountRuning == 0;
    }
  }
  if (FOnThreadTerminate && !FDestroying) {
    const TWorkerThreadDataNotifyEvent Handler = FOnThreadTerminate;
    Handler(Sender, Thread, Data);
  }
  if (FThreadGroup != nullptr) FThreadGroup->ThreadTerminated(Sender, Thread, Data);
  if (Last && FOnTerminate && !FDestroying) {
    const TWorkerThreadDataNotifyEvent Handler = FOnTerminate;
    Handler(this, Thread, Data);
  }
}

TWorkerThreadBase* TWorkerThreadGroup::ItemAt(std::size_t Index) const {
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  return Index < ThreadItemsList.size() ? ThreadItemsList[Index] : nullptr;
}

std::vector<TWorkerThread*> TWorkerThreadGroup::ThreadsSnapshot() const {
  std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
  return ThreadsList;
}

bool TWorkerThreadGroup::IsSelfOrAbove(const TWorkerThreadGroup* AGroup) const {
  for (const TWorkerThreadGroup* Group = this; Group != nullptr; Group = Group->FThreadGroup) {
    if (Group == AGroup) return true;
  }
  return false;
}

void TWorkerThreadGroup::DropThreads(const std::vector<TWorkerThread*>& Threads) {
  {
    std::lock_guard<TCriticalSection> Guard(UpdateCriticalSection);
    for (TWorkerThread* Thread : Threads) EraseFirst(ThreadsList, Thread);
  }
  if (FThreadGroup != nullptr) FThreadGroup->DropThreads(Threads);
}

void TWorkerThreadGroup::UncountRunsOf(TWorkerThreadBase* Item) {
  if (auto* Component = dynamic_cast<TWorkerThread*>(Item)) {
    if (TWorkerExecuteThread* Run = Component->Thread()) {
      ThreadTerminated(Component, Run, Run->UpdateData);
    }
    return;
  }
  if (auto* Group = dynamic_cast<TWorkerThreadGroup*>(Item)) {
    for (std::size_t I = 0; TWorkerThreadBase* Member = Group->ItemAt(I); ++I) {
      UncountRunsOf(Member);
    }
  }
}
