#include "threads/workerthread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "threadtestsupport.h"
#include "threads/ethread.h"
#include "threads/workerexecutethread.h"

namespace {

using threadtest::ServeUntil;
using threadtest::TGate;

// Exposes the component's lock, to see who holds it.
class TProbeWorker : public TWorkerThread {
 public:
  using TWorkerThread::TWorkerThread;
  // Whether another thread is kept out of the lock right now.
  bool LockedForOthers() {
    bool Got = false;
    std::thread Other([&] {
      Got = UpdateCriticalSection.TryEnter();
      if (Got) UpdateCriticalSection.Leave();
    });
    Other.join();
    return !Got;
  }
};

// Counts the requests queued to the main thread while installed. The count
// outlives every test: a run's last wake-up may come after the test has seen
// the run end.
std::atomic<int> QueuedRequests{0};

class TQueuedCounter {
 public:
  TQueuedCounter() {
    QueuedRequests = 0;
    SetWakeMainThread([] { QueuedRequests.fetch_add(1); });
  }
  ~TQueuedCounter() { SetWakeMainThread(nullptr); }
  int Count() const { return QueuedRequests.load(); }
};

class WorkerThread : public ::testing::Test {
 protected:
  threadtest::TManualTimerFactory Timers;
  TProbeWorker Worker{nullptr};
  TManualTimer* Timer = Timers.Last();

  bool Idle() {
    return ServeUntil([this] { return !Worker.Runing(); });
  }
};

TEST_F(WorkerThread, CreatedIdleWithItsDefaults) {
  EXPECT_FALSE(Worker.Runing());
  EXPECT_EQ(Worker.Thread(), nullptr);
  EXPECT_FALSE(Worker.Interrupted());
  EXPECT_EQ(Worker.Priority(), tpNormal);
  EXPECT_FALSE(Worker.UpdateEnabled());
  EXPECT_EQ(Worker.UpdatePriority(), 0);
  EXPECT_EQ(Worker.ThreadGroup(), nullptr);
  EXPECT_EQ(Worker.RefreshInterval(), 100u);
  ASSERT_NE(Timer, nullptr);
  EXPECT_FALSE(Timer->Enabled());
  EXPECT_EQ(Timer->Interval(), 100u);
  // Idle: these do nothing.
  Worker.Stop();
  Worker.Suspend();
  Worker.Resume();
  EXPECT_FALSE(Worker.Runing());
  EXPECT_FALSE(CheckSynchronize(0));
}

TEST_F(WorkerThread, RunReportsStartAndEndOnTheMainThreadAroundOnExecute) {
  const auto Main = std::this_thread::get_id();
  int Given = 1;
  int Replaced = 2;
  std::vector<std::string> Log;
  std::thread::id ExecutedOn;
  TWorkerExecuteThread* Run = nullptr;
  bool ExecuteSawReplaced = false;
  bool ExecuteLockFree = false;
  Worker.SetOnStart([&](TObject* Sender, TWorkerExecuteThread* Thread, void*& Data) {
    Log.push_back("start");
    EXPECT_EQ(Sender, &Worker);
    EXPECT_EQ(std::this_thread::get_id(), Main);
    EXPECT_EQ(Data, &Given);
    EXPECT_TRUE(Worker.LockedForOthers());
    Run = Thread;
    Data = &Replaced;
  });
  Worker.SetOnExecute([&](TObject* Sender, TWorkerExecuteThread* Thread, void*& Data) {
    EXPECT_EQ(Sender, &Worker);
    EXPECT_EQ(Thread, Run);
    ExecutedOn = std::this_thread::get_id();
    ExecuteSawReplaced = Data == &Replaced;
    ExecuteLockFree = !Worker.LockedForOthers();
  });
  Worker.SetOnTerminate([&](TObject* Sender, TWorkerExecuteThread* Thread, void*& Data) {
    Log.push_back("terminate");
    EXPECT_EQ(Sender, &Worker);
    EXPECT_EQ(Thread, Run);
    EXPECT_EQ(Data, &Replaced);
    EXPECT_EQ(std::this_thread::get_id(), Main);
    EXPECT_FALSE(Worker.Runing());
    EXPECT_TRUE(Worker.LockedForOthers());
  });
  Worker.Start(&Given);
  EXPECT_TRUE(Worker.Runing());
  EXPECT_EQ(Worker.Thread(), Run);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Log, (std::vector<std::string>{"start", "terminate"}));
  EXPECT_NE(ExecutedOn, Main);
  EXPECT_TRUE(ExecuteSawReplaced);
  EXPECT_TRUE(ExecuteLockFree);
  EXPECT_FALSE(Worker.Interrupted());
}

TEST_F(WorkerThread, TwoStartsGiveOneRun) {
  TGate Release;
  std::atomic<int> Executed{0};
  int Started = 0;
  int Ended = 0;
  Worker.SetOnStart([&](TObject*, TWorkerExecuteThread*, void*&) { ++Started; });
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) {
    ++Executed;
    Release.Wait();
  });
  Worker.SetOnTerminate([&](TObject*, TWorkerExecuteThread*, void*&) { ++Ended; });
  Worker.Start();
  TWorkerExecuteThread* First = Worker.Thread();
  Worker.Start();
  EXPECT_EQ(Worker.Thread(), First);
  Release.Open();
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Executed.load(), 1);
  EXPECT_EQ(Started, 1);
  EXPECT_EQ(Ended, 1);
}

TEST_F(WorkerThread, StartAfterOnExecuteReturnedButBeforeTheEndIsHandledIsIgnored) {
  TGate Returning;
  std::atomic<int> Executed{0};
  int Started = 0;
  Worker.SetOnStart([&](TObject*, TWorkerExecuteThread*, void*&) { ++Started; });
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) {
    ++Executed;
    Returning.Open();
  });
  Worker.Start();
  ASSERT_TRUE(Returning.Wait());
  // The main thread has not served the run's end yet.
  Worker.Start();
  EXPECT_TRUE(Worker.Runing());
  EXPECT_EQ(Started, 1);
  ASSERT_TRUE(Idle());
  EXPECT_FALSE(CheckSynchronize(20));
  EXPECT_EQ(Executed.load(), 1);
}

TEST_F(WorkerThread, StartFromWithinOnTerminateStartsANewRun) {
  std::atomic<int> Executed{0};
  int Ended = 0;
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) { ++Executed; });
  Worker.SetOnTerminate([&](TObject*, TWorkerExecuteThread*, void*&) {
    if (++Ended == 1) {
      Worker.Start();
      EXPECT_TRUE(Worker.Runing());
    }
  });
  Worker.Start();
  ASSERT_TRUE(ServeUntil([&] { return Ended == 2; }));
  EXPECT_FALSE(Worker.Runing());
  EXPECT_EQ(Executed.load(), 2);
}

TEST_F(WorkerThread, ExceptionInOnExecuteEndsTheRunSilently) {
  struct TCase {
    const char* Name;
    std::function<void()> Raise;
  };
  const TCase Cases[] = {
      {"standard exception", [] { throw std::runtime_error("handler failed"); }},
      {"exception of no standard type", [] { throw 42; }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    bool Kept = false;
    int Ended = 0;
    Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) { Case.Raise(); });
    Worker.SetOnTerminate([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
      ++Ended;
      Kept = Thread->FatalException() != nullptr;
    });
    Worker.Start();
    ASSERT_TRUE(Idle());
    EXPECT_EQ(Ended, 1);
    EXPECT_TRUE(Kept);
    EXPECT_FALSE(Worker.Interrupted());
    // Startable again.
    std::atomic<bool> Again{false};
    Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) { Again = true; });
    Worker.Start();
    ASSERT_TRUE(Idle());
    EXPECT_TRUE(Again.load());
    EXPECT_EQ(Ended, 2);
  }
}

TEST_F(WorkerThread, StopOnASuspendedRunResumesItAndSetsInterrupted) {
  TGate Started;
  std::atomic<int> Spins{0};
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
    Started.Open();
    while (!Thread->CheckTerminated()) ++Spins;
  });
  Worker.Start();
  ASSERT_TRUE(Started.Wait());
  Worker.Suspend();
  ASSERT_TRUE(Worker.Thread()->Suspended());
  // Paused at its next CheckTerminated: at most the round in progress ends.
  const int Before = Spins.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_LE(Spins.load() - Before, 1);
  EXPECT_TRUE(Worker.Runing());
  Worker.Stop();
  EXPECT_FALSE(Worker.Thread()->Suspended());
  EXPECT_TRUE(Worker.Thread()->Terminated());
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(Worker.Interrupted());
  // A run that is not stopped is not interrupted.
  Worker.SetOnExecute(nullptr);
  Worker.Start();
  ASSERT_TRUE(Idle());
  EXPECT_FALSE(Worker.Interrupted());
}

TEST_F(WorkerThread, UpdateTimerTicksReportProgressOnlyDuringARunAndWhenEnabled) {
  int Value = 7;
  std::vector<int> Percents;
  Worker.SetOnUpdate([&](TObject* Sender, TWorkerExecuteThread* Thread, void*& Data, int Percent) {
    EXPECT_EQ(Sender, &Worker);
    EXPECT_EQ(Thread, Worker.Thread());
    EXPECT_EQ(Data, &Value);
    EXPECT_TRUE(Worker.LockedForOthers());
    Percents.push_back(Percent);
  });
  TGate Progressed;
  TGate Finish;
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
    Thread->PercentProgress = 42;
    Progressed.Open();
    Finish.Wait();
  });
  Worker.SetRefreshInterval(250);
  EXPECT_EQ(Timer->Interval(), 250u);

  // Disabled: the timer is off even during a run.
  Worker.Start(&Value);
  ASSERT_TRUE(Progressed.Wait());
  EXPECT_FALSE(Timer->Enabled());
  Timer->Fire();
  EXPECT_TRUE(Percents.empty());
  Finish.Open();
  ASSERT_TRUE(Idle());
  EXPECT_FALSE(Timer->Enabled());

  // Enabled while idle: the timer runs, its ticks do nothing yet.
  Worker.SetUpdateEnabled(true);
  EXPECT_TRUE(Timer->Enabled());
  Timer->Fire();
  EXPECT_TRUE(Percents.empty());

  TGate Progressed2;
  TGate Finish2;
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
    Thread->PercentProgress = 42;
    Progressed2.Open();
    Finish2.Wait();
  });
  Worker.Start(&Value);
  ASSERT_TRUE(Progressed2.Wait());
  EXPECT_TRUE(Timer->Enabled());
  Timer->Fire();
  EXPECT_EQ(Percents, (std::vector<int>{42}));
  Finish2.Open();
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(Timer->Enabled());
  Timer->Fire();
  EXPECT_EQ(Percents.size(), 1u);

  Worker.SetUpdateEnabled(false);
  EXPECT_FALSE(Timer->Enabled());
}

TEST_F(WorkerThread, SynchronizeFormsRunOnTheMainThreadWithOwnerThreadAndData) {
  const auto Main = std::this_thread::get_id();
  int Value = 5;
  std::vector<std::string> Ran;
  TWorkerExecuteThread* Run = nullptr;
  TQueuedCounter Queued;
  std::atomic<int> QueuedByForms{0};
  auto Check = [&](const char* Form, TObject* Sender, TWorkerExecuteThread* Thread) {
    Ran.push_back(Form);
    EXPECT_EQ(std::this_thread::get_id(), Main) << Form;
    EXPECT_EQ(Sender, &Worker) << Form;
    if (Thread != nullptr) {
      EXPECT_EQ(Thread, Run) << Form;
    }
  };
  Worker.SetOnStart([&](TObject*, TWorkerExecuteThread* Thread, void*&) { Run = Thread; });
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
    Thread->Synchronize(TNotifyEvent([&](TObject* S) { Check("notify", S, nullptr); }));
    Thread->Synchronize(TWorkerThreadSynchroNotifyEvent(
        [&](TWorkerThread* S, TWorkerExecuteThread* T) { Check("synchro", S, T); }));
    Thread->Synchronize(TWorkerThreadNotifyEvent(
        [&](TObject* S, TWorkerExecuteThread* T) { Check("thread", S, T); }));
    Thread->Synchronize(TWorkerThreadSynchroDataNotifyEvent(
                            [&](TWorkerThread* S, TWorkerExecuteThread* T, void*& D) {
                              Check("synchro data", S, T);
                              EXPECT_EQ(D, &Value);
                            }),
                        &Value);
    Thread->Synchronize(TWorkerThreadDataNotifyEvent(
                            [&](TObject* S, TWorkerExecuteThread* T, void*& D) {
                              Check("thread data", S, T);
                              EXPECT_EQ(D, &Value);
                            }),
                        &Value);
    // Unset events: nothing is queued.
    Thread->Synchronize(TNotifyEvent());
    Thread->Synchronize(TWorkerThreadDataNotifyEvent(), &Value);
    QueuedByForms = Queued.Count();
  });
  Worker.Start();
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Ran, (std::vector<std::string>{"notify", "synchro", "thread", "synchro data",
                                           "thread data"}));
  EXPECT_EQ(QueuedByForms.load(), 5);
}

TEST_F(WorkerThread, SynchronizeReraisesTheEventsExceptionInTheRun) {
  std::string Caught;
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
    try {
      Thread->Synchronize(TNotifyEvent([](TObject*) { throw std::runtime_error("main failed"); }));
    } catch (const std::runtime_error& E) {
      Caught = E.what();
    }
  });
  Worker.Start();
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Caught, "main failed");
}

TEST_F(WorkerThread, PriorityGoesToTheRunAndFollowsChanges) {
  TGate Release;
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) { Release.Wait(); });
  Worker.SetPriority(tpHighest);
  Worker.Start();
  EXPECT_EQ(Worker.Thread()->Priority(), tpHighest);
  Worker.SetPriority(tpLower);
  EXPECT_EQ(Worker.Thread()->Priority(), tpLower);
  Worker.SetPriority(static_cast<TThreadPriority>(99));  // out of range: ignored
  EXPECT_EQ(Worker.Priority(), tpLower);
  Release.Open();
  ASSERT_TRUE(Idle());
}

TEST_F(WorkerThread, RaisingOnStartCancelsTheRunAndLeavesItStartable) {
  std::atomic<bool> Executed{false};
  int Ended = 0;
  Worker.SetOnStart([](TObject*, TWorkerExecuteThread*, void*&) {
    throw std::runtime_error("start refused");
  });
  Worker.SetOnExecute([&](TObject*, TWorkerExecuteThread*, void*&) { Executed = true; });
  Worker.SetOnTerminate([&](TObject*, TWorkerExecuteThread*, void*&) { ++Ended; });
  EXPECT_THROW(Worker.Start(), std::runtime_error);
  ASSERT_TRUE(Idle());
  EXPECT_FALSE(Executed.load());
  EXPECT_EQ(Ended, 1);
  Worker.SetOnStart(nullptr);
  Worker.Start();
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(Executed.load());
}

// Its runs need a stack no system can give.
class TUncreatableWorker : public TWorkerThread {
 public:
  using TWorkerThread::TWorkerThread;

 protected:
  TWorkerExecuteThread* CreateExecuteThread(void* Data) override {
    return new TWorkerExecuteThread(this, Data, std::size_t{1} << 50);
  }
};

TEST(WorkerThreadCreation, FailureRaisesThreadCreationErrorAndStaysIdle) {
  TUncreatableWorker Worker(nullptr);
  bool Started = false;
  Worker.SetOnStart([&](TObject*, TWorkerExecuteThread*, void*&) { Started = true; });
  try {
    Worker.Start();
    FAIL() << "Start did not raise";
  } catch (const EThread& E) {
    EXPECT_EQ(std::string(E.what()).rfind("Thread creation error: ", 0), 0u) << E.what();
  }
  EXPECT_FALSE(Worker.Runing());
  EXPECT_FALSE(Started);
  EXPECT_FALSE(CheckSynchronize(0));
}

TEST(WorkerThreadDestroy, WaitsForOnExecuteServesItsSynchronizeAndRaisesNoOnTerminate) {
  threadtest::TManualTimerFactory Timers;
  auto* Worker = new TWorkerThread(nullptr);
  TQueuedCounter Queued;
  std::atomic<bool> Served{false};
  std::atomic<bool> SawTerminated{false};
  std::atomic<bool> Late{false};
  std::atomic<bool> Returned{false};
  bool Ended = false;
  Worker->SetOnExecute([&](TObject*, TWorkerExecuteThread* Thread, void*&) {
    Thread->Synchronize(TNotifyEvent([&](TObject*) { Served = true; }));
    SawTerminated = Thread->Terminated();
    // Asked to terminate: further synchronised events are skipped.
    Thread->Synchronize(TNotifyEvent([&](TObject*) { Late = true; }));
    Returned = true;
  });
  Worker->SetOnTerminate([&](TObject*, TWorkerExecuteThread*, void*&) { Ended = true; });
  Worker->SetUpdateEnabled(true);
  Worker->Start();
  // The handler is blocked in Synchronize, waiting for this thread.
  while (Queued.Count() == 0) std::this_thread::yield();
  EXPECT_FALSE(Served.load());
  delete Worker;
  EXPECT_TRUE(Served.load());
  EXPECT_TRUE(SawTerminated.load());
  EXPECT_FALSE(Late.load());
  EXPECT_TRUE(Returned.load());
  EXPECT_FALSE(CheckSynchronize(20));
  EXPECT_FALSE(Ended);
}

// Starts a run that opens Started, spins until asked to terminate, then sets Returned.
void StartSpinning(TWorkerThread& Worker, TGate& Started, std::atomic<bool>& Returned) {
  Worker.SetOnExecute([Started = &Started, Returned = &Returned](TObject*, TWorkerExecuteThread* Thread, void*&) {
    Started->Open();
    while (!Thread->CheckTerminated()) std::this_thread::yield();
    *Returned = true;
  });
  Worker.Start();
}

TEST(WorkerThreadDestroy, SuspendedRunIsResumedAndEnds) {
  threadtest::TManualTimerFactory Timers;
  auto* Worker = new TWorkerThread(nullptr);
  TGate Started;
  std::atomic<bool> Returned{false};
  StartSpinning(*Worker, Started, Returned);
  ASSERT_TRUE(Started.Wait());
  Worker->Suspend();
  delete Worker;
  EXPECT_TRUE(Returned.load());
}

TEST(WorkerThreadDestroy, FromAnotherThreadWhileTheMainThreadServes) {
  threadtest::TManualTimerFactory Timers;
  auto* Worker = new TWorkerThread(nullptr);
  TGate Started;
  std::atomic<bool> Returned{false};
  std::atomic<bool> Deleted{false};
  StartSpinning(*Worker, Started, Returned);
  ASSERT_TRUE(Started.Wait());
  std::thread Other([&] {
    delete Worker;
    Deleted = true;
  });
  const bool Done = ServeUntil([&] { return Deleted.load(); });
  Other.join();
  EXPECT_TRUE(Done);
  EXPECT_TRUE(Returned.load());
}

TEST(WorkerThreadOwnership, OwnerFreesARunningComponent) {
  threadtest::TManualTimerFactory Timers;
  std::atomic<bool> Returned{false};
  TGate Started;
  {
    TComponent Form(nullptr);
    auto* Worker = new TWorkerThread(&Form);
    StartSpinning(*Worker, Started, Returned);
    ASSERT_TRUE(Started.Wait());
  }
  EXPECT_TRUE(Returned.load());
}

}  // namespace
