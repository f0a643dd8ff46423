// TWorkerThreadGroup: gathers worker components and other groups into a tree,
// counts the runs of its members that are going, reports the first start and
// the last end through its own events, and starts, stops, suspends or resumes
// all its direct members at once, in list order.
//
// Membership is set from the member's side with SetThreadGroup, or from here
// with AddThread / AddThreadGroup, which refuse (false) an item that already
// belongs to a group, and a group that is this group or one above it, so the
// groups stay a tree. ThreadsList holds every component of the group, direct
// or through sub-groups, as gathered when each was added; a component leaving
// a group leaves the ThreadsList of every group above it too.
//
// CountRuning counts the member runs going. A member that joins while running
// is counted at once (its start is reported); one that leaves while running
// is uncounted at once (its end is reported), so a group never keeps counting
// a run it can no longer hear the end of, and that includes a running member
// being destroyed. Events: OnThreadStart / OnThreadTerminate / OnThreadUpdate
// for each member run, with Sender = the member component; OnStart when the
// count leaves 0, OnTerminate when it returns to 0, and OnUpdate (unless a
// running direct member has a higher UpdatePriority), with Sender = the group.
// Thread and Data are those of the member run concerned: for an end, the run
// that has just ended, still valid during the call.
//
// Destroying a group first leaves its own group, then detaches its members one
// by one (their ThreadGroup becomes none); it raises none of its own events
// meanwhile. Used on the main thread; the lists and the count are guarded by
// UpdateCriticalSection.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "threads/workerthreadbase.h"

class TWorkerThreadGroup : public TWorkerThreadBase {
 public:
  explicit TWorkerThreadGroup(TComponent* AOwner);
  ~TWorkerThreadGroup() override;

  bool Runing() const override;
  virtual int CountRuning() const;

  void Start() override;
  void Start(void* Data) override;
  void Stop() override;
  void Suspend() override;
  void Resume() override;

  bool AddThread(TWorkerThread* AThread);
  void RemoveThread(TWorkerThread* AThread);
  bool AddThreadGroup(TWorkerThreadGroup* AThreadGroup);
  void RemoveThreadGroup(TWorkerThreadGroup* AThreadGroup);

  int ThreadItemsCount() const;
  int ThreadsCount() const;
  // List entries; null when Index is out of range.
  TWorkerThreadBase* GetThreadItems(int Index) const;
  TWorkerThread* GetThreads(int Index) const;

  TWorkerThreadUpdateNotifyEvent OnThreadUpdate() const { return FOnThreadUpdate; }
  void SetOnThreadUpdate(TWorkerThreadUpdateNotifyEvent Value) { FOnThreadUpdate = std::move(Value); }
  TWorkerThreadDataNotifyEvent OnThreadStart() const { return FOnThreadStart; }
  void SetOnThreadStart(TWorkerThreadDataNotifyEvent Value) { FOnThreadStart = std::move(Value); }
  TWorkerThreadDataNotifyEvent OnThreadTerminate() const { return FOnThreadTerminate; }
  void SetOnThreadTerminate(TWorkerThreadDataNotifyEvent Value) {
    FOnThreadTerminate = std::move(Value);
  }

 protected:
  friend class TWorkerThread;

  void NotifyGroupStarted(TWorkerThreadGroup* Group) override;
  void NotifyGroupTerminated(TWorkerThreadGroup* Group) override;
  bool JoinGroup(TWorkerThreadGroup* Group) override;
  void LeaveGroup(TWorkerThreadGroup* Group) override;

  // A member run started, updated or ended (called by member components and
  // by sub-groups).
  void ThreadStarted(TObject* Sender, TWorkerExecuteThread* Thread, void*& Data);
  void ThreadUpdate(TObject* Sender, TWorkerExecuteThread* Thread, void*& Data,
                    int AUpdatePriority, int PercentProgres);
  void ThreadTerminated(TObject* Sender, TWorkerExecuteThread* Thread, void*& Data);

 private:
  TWorkerThreadBase* ItemAt(std::size_t Index) const;
  std::vector<TWorkerThread*> ThreadsSnapshot() const;
  bool IsSelfOrAbove(const TWorkerThreadGroup* AGroup) const;
  // Takes Threads out of ThreadsList here and in every group above.
  void DropThreads(const std::vector<TWorkerThread*>& Threads);
  // Reports the end of every run going in Item, which has just left.
  void UncountRunsOf(TWorkerThreadBase* Item);

  std::vector<TWorkerThreadBase*> ThreadItemsList;
  std::vector<TWorkerThread*> ThreadsList;
  TWorkerThreadUpdateNotifyEvent FOnThreadUpdate;
  TWorkerThreadDataNotifyEvent FOnThreadStart;
  TWorkerThreadDataNotifyEvent FOnThreadTerminate;
  int FCountRuning = 0;
  bool FDestroying = false;
};
