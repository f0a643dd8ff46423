#include "threads/workerthreadgroup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "threadtestsupport.h"
#include "threads/workerexecutethread.h"
#include "threads/workerthread.h"

namespace {

using threadtest::ServeUntil;
using threadtest::TGate;

// A component whose runs last until Release() (or Stop), with its own timer.
struct THeldWorker {
  explicit THeldWorker(threadtest::TManualTimerFactory& Timers, std::string AName)
      : Name(std::move(AName)), Worker(std::make_unique<TWorkerThread>(nullptr)),
        Raw(Worker.get()), Timer(Timers.Last()) {
    Worker->SetOnExecute([this](TObject*, TWorkerExecuteThread* Thread, void*&) {
      std::shared_ptr<TGate> Own = Gate;
      Began->Open();
      while (!Own->IsOpen() && !Thread->CheckTerminated()) Own->Wait(std::chrono::milliseconds(1));
    });
  }
  void Start(void* Data = nullptr) {
    Gate = std::make_shared<TGate>();
    Began = std::make_shared<TGate>();
    Worker->Start(Data);
  }
  bool Release() {
    Gate->Open();
    return ServeUntil([this] { return !Worker->Runing(); });
  }

  std::string Name;
  std::unique_ptr<TWorkerThread> Worker;
  const TWorkerThread* Raw;  // stays known while Worker is being destroyed
  TManualTimer* Timer;
  std::shared_ptr<TGate> Gate = std::make_shared<TGate>();
  std::shared_ptr<TGate> Began = std::make_shared<TGate>();  // the handler is running
};

// Records a group's events as "<event> <member name or group>".
class TGroupLog {
 public:
  explicit TGroupLog(TWorkerThreadGroup& AGroup, std::vector<const THeldWorker*> AMembers)
      : Group(AGroup), Members(std::move(AMembers)) {
    Group.SetOnThreadStart(Recorder("thread start"));
    Group.SetOnThreadTerminate(Recorder("thread end"));
    Group.SetOnStart(Recorder("start"));
    Group.SetOnTerminate(Recorder("end"));
  }
  std::vector<std::string> Take() { return std::exchange(Entries, {}); }

  std::vector<void*> Datas;

 private:
  TWorkerThreadDataNotifyEvent Recorder(std::string Event) {
    return [this, Event](TObject* Sender, TWorkerExecuteThread* Thread, void*& Data) {
      EXPECT_NE(Thread, nullptr) << Event;
      Datas.push_back(Data);
      Entries.push_back(Event + " " + NameOf(Sender));
    };
  }
  std::string NameOf(TObject* Sender) const {
    if (Sender == &Group) return "group";
    for (const THeldWorker* Member : Members) {
      if (Sender == Member->Raw) return Member->Name;
    }
    return "?";
  }

  TWorkerThreadGroup& Group;
  std::vector<const THeldWorker*> Members;
  std::vector<std::string> Entries;
};

using TLog = std::vector<std::string>;

class WorkerThreadGroup : public ::testing::Test {
 protected:
  threadtest::TManualTimerFactory Timers;
  TWorkerThreadGroup Group{nullptr};
};

TEST_F(WorkerThreadGroup, RefusesCycles) {
  TWorkerThreadGroup Mid(nullptr);
  TWorkerThreadGroup Low(nullptr);
  Mid.SetThreadGroup(&Group);
  Low.SetThreadGroup(&Mid);
  ASSERT_EQ(Low.ThreadGroup(), &Mid);
  struct TCase {
    const char* Name;
    TWorkerThreadGroup* Target;
  };
  const TCase Cases[] = {
      {"into itself", &Group},
      {"into its child", &Mid},
      {"into its grandchild", &Low},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Group.SetThreadGroup(Case.Target);
    EXPECT_EQ(Group.ThreadGroup(), nullptr);
    EXPECT_FALSE(Case.Target->AddThreadGroup(&Group));
  }
  EXPECT_EQ(Low.ThreadItemsCount(), 0);
  EXPECT_EQ(Mid.ThreadItemsCount(), 1);
  // Items that already belong to a group, and none at all, are refused too.
  TWorkerThreadGroup Other(nullptr);
  EXPECT_FALSE(Other.AddThreadGroup(&Mid));
  EXPECT_FALSE(Other.AddThreadGroup(nullptr));
  EXPECT_FALSE(Other.AddThread(nullptr));
  // A group beside the tree may join its bottom.
  EXPECT_TRUE(Low.AddThreadGroup(&Other));
  EXPECT_EQ(Other.ThreadGroup(), &Low);
}

TEST_F(WorkerThreadGroup, CountsRunsAndReportsFirstStartAndLastEnd) {
  THeldWorker A(Timers, "a");
  THeldWorker B(Timers, "b");
  A.Worker->SetThreadGroup(&Group);
  B.Worker->SetThreadGroup(&Group);
  TGroupLog Log(Group, {&A, &B});
  int Data = 3;
  EXPECT_FALSE(Group.Runing());

  A.Start(&Data);
  EXPECT_EQ(Group.CountRuning(), 1);
  EXPECT_TRUE(Group.Runing());
  EXPECT_EQ(Log.Take(), (TLog{"thread start a", "start group"}));
  B.Start();
  EXPECT_EQ(Group.CountRuning(), 2);
  EXPECT_EQ(Log.Take(), (TLog{"thread start b"}));

  ASSERT_TRUE(A.Release());
  EXPECT_EQ(Group.CountRuning(), 1);
  EXPECT_EQ(Log.Take(), (TLog{"thread end a"}));
  EXPECT_EQ(Log.Datas.back(), &Data);  // the ended run's data slot
  ASSERT_TRUE(B.Release());
  EXPECT_EQ(Group.CountRuning(), 0);
  EXPECT_FALSE(Group.Runing());
  EXPECT_EQ(Log.Take(), (TLog{"thread end b", "end group"}));
}

TEST_F(WorkerThreadGroup, SubGroupRunsCountInEveryGroupAbove) {
  TWorkerThreadGroup Sub(nullptr);
  THeldWorker A(Timers, "a");
  Sub.SetThreadGroup(&Group);
  A.Worker->SetThreadGroup(&Sub);
  TGroupLog TopLog(Group, {&A});
  TGroupLog SubLog(Sub, {&A});
  A.Start();
  EXPECT_EQ(Sub.CountRuning(), 1);
  EXPECT_EQ(Group.CountRuning(), 1);
  EXPECT_EQ(SubLog.Take(), (TLog{"thread start a", "start group"}));
  EXPECT_EQ(TopLog.Take(), (TLog{"thread start a", "start group"}));
  ASSERT_TRUE(A.Release());
  EXPECT_EQ(Group.CountRuning(), 0);
  EXPECT_EQ(TopLog.Take(), (TLog{"thread end a", "end group"}));
  EXPECT_EQ(SubLog.Take(), (TLog{"thread end a", "end group"}));
}

TEST_F(WorkerThreadGroup, JoiningWhileRunningCountsTheRunAtOnce) {
  THeldWorker A(Timers, "a");
  THeldWorker B(Timers, "b");
  TWorkerThreadGroup Sub(nullptr);
  B.Worker->SetThreadGroup(&Sub);
  TGroupLog Log(Group, {&A, &B});
  A.Start();
  B.Start();
  A.Worker->SetThreadGroup(&Group);
  EXPECT_EQ(Group.CountRuning(), 1);
  EXPECT_EQ(Log.Take(), (TLog{"thread start a", "start group"}));
  Sub.SetThreadGroup(&Group);  // a running sub-group reports each run going
  EXPECT_EQ(Group.CountRuning(), 2);
  EXPECT_EQ(Log.Take(), (TLog{"thread start b"}));
  ASSERT_TRUE(A.Release());
  ASSERT_TRUE(B.Release());
  EXPECT_EQ(Group.CountRuning(), 0);
  EXPECT_EQ(Log.Take(), (TLog{"thread end a", "thread end b", "end group"}));
}

TEST_F(WorkerThreadGroup, LeavingWhileRunningIsUncountedAtOnce) {
  enum THow { SetNone, RemoveThread, Destroy, MoveToOtherGroup };
  struct TCase {
    const char* Name;
    THow How;
  };
  const TCase Cases[] = {
      {"ThreadGroup set to none", SetNone},
      {"RemoveThread", RemoveThread},
      {"destroyed while running", Destroy},
      {"moved to another group", MoveToOtherGroup},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    THeldWorker A(Timers, "a");
    TWorkerThreadGroup Other(nullptr);
    A.Worker->SetThreadGroup(&Group);
    TGroupLog Log(Group, {&A});
    A.Start();
    Log.Take();
    switch (Case.How) {
      case SetNone:
        A.Worker->SetThreadGroup(nullptr);
        break;
      case RemoveThread:
        Group.RemoveThread(A.Worker.get());
        break;
      case Destroy:
        A.Worker.reset();
        break;
      case MoveToOtherGroup:
        A.Worker->SetThreadGroup(&Other);
        break;
    }
    EXPECT_EQ(Group.CountRuning(), 0);
    EXPECT_EQ(Group.ThreadItemsCount(), 0);
    EXPECT_EQ(Log.Take(), (TLog{"thread end a", "end group"}));
    EXPECT_EQ(Other.CountRuning(), Case.How == MoveToOtherGroup ? 1 : 0);
    if (A.Worker) {
      ASSERT_TRUE(A.Release());
      EXPECT_EQ(Other.CountRuning(), 0);
    }
    EXPECT_EQ(Group.CountRuning(), 0);
    EXPECT_TRUE(Log.Take().empty());
  }
}

TEST_F(WorkerThreadGroup, StartStopSuspendResumeReachEachDirectMemberInListOrder) {
  THeldWorker A(Timers, "a");
  THeldWorker B(Timers, "b");
  THeldWorker C(Timers, "c");
  TWorkerThreadGroup Sub(nullptr);
  A.Worker->SetThreadGroup(&Group);
  C.Worker->SetThreadGroup(&Sub);
  Sub.SetThreadGroup(&Group);
  B.Worker->SetThreadGroup(&Group);
  std::vector<std::string> Order;
  int Data = 9;
  for (THeldWorker* W : {&A, &B, &C}) {
    W->Worker->SetOnStart([&Order, &Data, W](TObject*, TWorkerExecuteThread*, void*& D) {
      EXPECT_EQ(D, &Data);
      Order.push_back(W->Name);
    });
  }
  B.Start(&Data);  // already running: the group's Start passes it by
  Order.clear();
  for (THeldWorker* W : {&A, &C}) {
    W->Gate = std::make_shared<TGate>();
    W->Began = std::make_shared<TGate>();
  }
  Group.Start(&Data);
  EXPECT_EQ(Order, (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(Group.CountRuning(), 3);
  // Stopped before its handler began, a run skips it and is not interrupted.
  for (THeldWorker* W : {&A, &B, &C}) ASSERT_TRUE(W->Began->Wait()) << W->Name;

  Group.Suspend();
  for (THeldWorker* W : {&A, &B, &C}) EXPECT_TRUE(W->Worker->Thread()->Suspended()) << W->Name;
  Group.Resume();
  for (THeldWorker* W : {&A, &B, &C}) EXPECT_FALSE(W->Worker->Thread()->Suspended()) << W->Name;
  Group.Stop();
  ASSERT_TRUE(ServeUntil([&] { return !Group.Runing(); }));
  for (THeldWorker* W : {&A, &B, &C}) EXPECT_TRUE(W->Worker->Interrupted()) << W->Name;
}

TEST_F(WorkerThreadGroup, UpdatesReachOnThreadUpdateAndOnUpdateUnlessOutranked) {
  THeldWorker Low(Timers, "low");
  THeldWorker High(Timers, "high");
  High.Worker->SetUpdatePriority(5);
  std::vector<std::string> Log;
  for (THeldWorker* W : {&Low, &High}) {
    W->Worker->SetThreadGroup(&Group);
    W->Worker->SetUpdateEnabled(true);
  }
  auto NameOf = [&](TObject* Sender) {
    return Sender == &Group ? std::string("group")
                            : Sender == Low.Worker.get() ? Low.Name : High.Name;
  };
  Group.SetOnThreadUpdate([&](TObject* Sender, TWorkerExecuteThread*, void*&, int) {
    Log.push_back("thread update " + NameOf(Sender));
  });
  Group.SetOnUpdate([&](TObject* Sender, TWorkerExecuteThread*, void*&, int) {
    Log.push_back("update " + NameOf(Sender));
  });
  Low.Start();
  High.Start();
  Low.Timer->Fire();
  EXPECT_EQ(Log, (std::vector<std::string>{"thread update low"}));
  Log.clear();
  High.Timer->Fire();
  EXPECT_EQ(Log, (std::vector<std::string>{"thread update high", "update group"}));
  Log.clear();
  ASSERT_TRUE(High.Release());
  Low.Timer->Fire();
  EXPECT_EQ(Log, (std::vector<std::string>{"thread update low", "update group"}));
  ASSERT_TRUE(Low.Release());
}

TEST_F(WorkerThreadGroup, ThreadsListGathersComponentsAndForgetsThoseThatLeave) {
  THeldWorker A(Timers, "a");
  THeldWorker B(Timers, "b");
  THeldWorker C(Timers, "c");
  THeldWorker Late(Timers, "late");
  auto Sub = std::make_unique<TWorkerThreadGroup>(nullptr);
  A.Worker->SetThreadGroup(Sub.get());
  B.Worker->SetThreadGroup(Sub.get());
  C.Worker->SetThreadGroup(&Group);
  Sub->SetThreadGroup(&Group);
  ASSERT_EQ(Group.ThreadItemsCount(), 2);
  EXPECT_EQ(Group.GetThreadItems(0), C.Worker.get());
  EXPECT_EQ(Group.GetThreadItems(1), Sub.get());
  EXPECT_EQ(Group.GetThreadItems(2), nullptr);   // past the end
  EXPECT_EQ(Group.GetThreadItems(-1), nullptr);  // negative index
  ASSERT_EQ(Group.ThreadsCount(), 3);
  EXPECT_EQ(Group.GetThreads(0), C.Worker.get());
  EXPECT_EQ(Group.GetThreads(1), A.Worker.get());
  EXPECT_EQ(Group.GetThreads(2), B.Worker.get());
  EXPECT_EQ(Group.GetThreads(3), nullptr);  // past the end

  // Gathered when added: a later member of the sub-group is not listed here.
  Late.Worker->SetThreadGroup(Sub.get());
  EXPECT_EQ(Sub->ThreadsCount(), 3);
  EXPECT_EQ(Group.ThreadsCount(), 3);

  // A component that leaves the sub-group leaves every list above it.
  A.Worker.reset();
  EXPECT_EQ(Sub->ThreadsCount(), 2);
  ASSERT_EQ(Group.ThreadsCount(), 2);
  EXPECT_EQ(Group.GetThreads(1), B.Worker.get());

  // Destroying the sub-group detaches its members and leaves this group.
  Sub.reset();
  EXPECT_EQ(B.Worker->ThreadGroup(), nullptr);
  EXPECT_EQ(Late.Worker->ThreadGroup(), nullptr);
  ASSERT_EQ(Group.ThreadItemsCount(), 1);
  ASSERT_EQ(Group.ThreadsCount(), 1);
  EXPECT_EQ(Group.GetThreads(0), C.Worker.get());
}

TEST_F(WorkerThreadGroup, DestroyingAGroupDetachesRunningMembersSilently) {
  THeldWorker A(Timers, "a");
  auto Doomed = std::make_unique<TWorkerThreadGroup>(nullptr);
  Doomed->SetThreadGroup(&Group);
  A.Worker->SetThreadGroup(Doomed.get());
  int DoomedEvents = 0;
  Doomed->SetOnTerminate([&](TObject*, TWorkerExecuteThread*, void*&) { ++DoomedEvents; });
  Doomed->SetOnThreadTerminate([&](TObject*, TWorkerExecuteThread*, void*&) { ++DoomedEvents; });
  A.Start();
  EXPECT_EQ(Group.CountRuning(), 1);
  Doomed.reset();
  EXPECT_EQ(DoomedEvents, 0);
  EXPECT_EQ(A.Worker->ThreadGroup(), nullptr);
  EXPECT_EQ(Group.CountRuning(), 0);  // the enclosing group no longer counts it
  EXPECT_EQ(Group.ThreadItemsCount(), 0);
  ASSERT_TRUE(A.Release());
}

}  // namespace
