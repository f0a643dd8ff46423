// TWorkerThreadBase: what worker thread components (TWorkerThread) and thread
// groups (TWorkerThreadGroup) share, and the worker event types.
//
// An item belongs to at most one group, set through SetThreadGroup; groups
// form a tree of items. The item's lock UpdateCriticalSection lives as long as
// the item. The protected operations are the protocol between an item and its
// group; derived classes give them.
//
// Events are std::function values, unset by default and then never called.
// Data is always the run's one data slot (UpdateData of its
// TWorkerExecuteThread), passed by reference so that a handler may replace it.
//
// Used on the main (user-interface) thread, like any component.
#pragma once

#include <functional>
#include <utility>

#include "threads/component.h"
#include "threads/criticalsection.h"

class TWorkerExecuteThread;
class TWorkerThread;
class TWorkerThreadGroup;

using TWorkerThreadNotifyEvent = std::function<void(TObject* Sender, TWorkerExecuteThread* Thread)>;
using TWorkerThreadDataNotifyEvent =
    std::function<void(TObject* Sender, TWorkerExecuteThread* Thread, void*& Data)>;
using TWorkerThreadUpdateNotifyEvent =
    std::function<void(TObject* Sender, TWorkerExecuteThread* Thread, void*& Data, int Percent)>;
using TWorkerThreadSynchroNotifyEvent =
    std::function<void(TWorkerThread* Sender, TWorkerExecuteThread* Thread)>;
using TWorkerThreadSynchroDataNotifyEvent =
    std::function<void(TWorkerThread* Sender, TWorkerExecuteThread* Thread, void*& Data)>;

class TWorkerThreadBase : public TComponent {
 public:
  explicit TWorkerThreadBase(TComponent* AOwner);
  ~TWorkerThreadBase() override;

  // A run of this item (or of a member, for a group) is going.
  virtual bool Runing() const = 0;

  virtual void Start() = 0;
  virtual void Start(void* Data) = 0;
  virtual void Stop() = 0;
  virtual void Suspend() = 0;
  virtual void Resume() = 0;

  TWorkerThreadGroup* ThreadGroup() const { return FThreadGroup; }
  // Leaves the current group and joins Value (none for null). Joining is
  // refused, leaving the item in no group, when Value would make a cycle.
  void SetThreadGroup(TWorkerThreadGroup* Value);

  int UpdatePriority() const { return FUpdatePriority; }
  void SetUpdatePriority(int Value) { FUpdatePriority = Value; }

  TWorkerThreadUpdateNotifyEvent OnUpdate() const { return FOnUpdate; }
  void SetOnUpdate(TWorkerThreadUpdateNotifyEvent Value) { FOnUpdate = std::move(Value); }
  TWorkerThreadDataNotifyEvent OnStart() const { return FOnStart; }
  void SetOnStart(TWorkerThreadDataNotifyEvent Value) { FOnStart = std::move(Value); }
  TWorkerThreadDataNotifyEvent OnTerminate() const { return FOnTerminate; }
  void SetOnTerminate(TWorkerThreadDataNotifyEvent Value) { FOnTerminate = std::move(Value); }

 protected:
  friend class TWorkerThreadGroup;

  // Reports the runs going in this item to Group (its start).
  virtual void NotifyGroupStarted(TWorkerThreadGroup* Group) = 0;
  // Reports the end of a run of this item to Group.
  virtual void NotifyGroupTerminated(TWorkerThreadGroup* Group) = 0;
  // Asks Group to take this item; false when it refuses.
  virtual bool JoinGroup(TWorkerThreadGroup* Group) = 0;
  virtual void LeaveGroup(TWorkerThreadGroup* Group) = 0;

  TWorkerThreadUpdateNotifyEvent FOnUpdate;
  TWorkerThreadDataNotifyEvent FOnStart;
  TWorkerThreadDataNotifyEvent FOnTerminate;
  TWorkerThreadGroup* FThreadGroup = nullptr;
  int FUpdatePriority = 0;
  mutable TCriticalSection UpdateCriticalSection;
};
