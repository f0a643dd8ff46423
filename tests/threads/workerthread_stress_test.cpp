#include "threads/workerthread.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

#include "threadtestsupport.h"
#include "threads/workerexecutethread.h"
#include "threads/workerthreadgroup.h"

namespace {

// Ends the process when not disarmed in time, so that a deadlock fails the
// test instead of hanging it.
class TWatchdog {
 public:
  explicit TWatchdog(std::chrono::seconds Limit)
      : FThread([this, Limit] {
          std::unique_lock<std::mutex> Lock(FLock);
          if (!FChanged.wait_for(Lock, Limit, [this] { return FDisarmed; })) {
            std::fprintf(stderr, "stress test still running after %lld s: deadlock\n",
                         static_cast<long long>(Limit.count()));
            std::abort();
          }
        }) {}
  ~TWatchdog() {
    {
      std::lock_guard<std::mutex> Guard(FLock);
      FDisarmed = true;
    }
    FChanged.notify_all();
    FThread.join();
  }

 private:
  std::mutex FLock;
  std::condition_variable FChanged;
  bool FDisarmed = false;
  std::thread FThread;
};

TEST(WorkerThreadStress, StartStopSuspendAndDestroyCyclesAcrossThreeComponents) {
  TWatchdog Dog(std::chrono::seconds(120));
  threadtest::TManualTimerFactory Timers;
  std::minstd_rand Random(20240611);

  std::atomic<int> Executions{0};
  std::atomic<int> ExecutionsReturned{0};
  std::atomic<int> Served{0};
  int Accepted = 0;
  int Ended = 0;
  int DestroyedRunning = 0;
  int GroupStarts = 0;
  int GroupEnds = 0;
  int Updates = 0;

  auto Form = std::make_unique<TComponent>(nullptr);
  // Created first, so freed after the components.
  auto* Group = new TWorkerThreadGroup(Form.get());
  Group->SetOnStart([&](TObject*, TWorkerExecuteThread*, void*&) { ++GroupStarts; });
  Group->SetOnTerminate([&](TObject*, TWorkerExecuteThread*, void*&) { ++GroupEnds; });

  struct TSlot {
    TWorkerThread* Worker = nullptr;
    TManualTimer* Timer = nullptr;
  };
  auto Make = [&]() {
    TSlot Slot;
    Slot.Worker = new TWorkerThread(Form.get());
    Slot.Timer = Timers.Last();
    const int Rounds = 1 + static_cast<int>(Random() % 4);
    Slot.Worker->SetOnExecute([&, Rounds](TObject*, TWorkerExecuteThread* Thread, void*&) {
      ++Executions;
      for (int Round = 0; Round < Rounds; ++Round) {
        Thread->PercentProgress = Round;
        Thread->Synchronize(TNotifyEvent([&](TObject*) { ++Served; }));
        if (Thread->CheckTerminated()) break;
      }
      ++ExecutionsReturned;
    });
    Slot.Worker->SetOnTerminate([&](TObject* Sender, TWorkerExecuteThread*, void*&) {
      // Now and then a run starts the next one from its end.
      if (++Ended % 7 == 0) {
        auto* Worker = static_cast<TWorkerThread*>(Sender);
        Worker->Start();
        if (Worker->Runing()) ++Accepted;
      }
    });
    Slot.Worker->SetOnUpdate([&](TObject*, TWorkerExecuteThread*, void*&, int) { ++Updates; });
    Slot.Worker->SetUpdateEnabled(Random() % 2 == 0);
    Slot.Worker->SetThreadGroup(Group);
    return Slot;
  };
  std::array<TSlot, 3> Slots{Make(), Make(), Make()};

  for (int Step = 0; Step < 12000; ++Step) {
    TSlot& Slot = Slots[Random() % Slots.size()];
    switch (Random() % 10) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4: {
        const bool Was = Slot.Worker->Runing();
        Slot.Worker->Start();
        if (!Was) {
          ASSERT_TRUE(Slot.Worker->Runing());
          ++Accepted;
        }
        break;
      }
      case 5:
        Slot.Worker->Stop();
        break;
      case 6:
        Slot.Worker->Suspend();
        break;
      case 7:
        Slot.Worker->Resume();
        break;
      case 8:
        Slot.Timer->Fire();
        break;
      default:
        if (Slot.Worker->Runing()) ++DestroyedRunning;
        delete Slot.Worker;
        Slot = Make();
        break;
    }
    CheckSynchronize(Step % 8 == 0 ? 1 : 0);
    int Running = 0;
    for (const TSlot& Each : Slots) Running += Each.Worker->Runing() ? 1 : 0;
    ASSERT_EQ(Group->CountRuning(), Running) << "step " << Step;
  }
  // Each one's state is read just before it goes: freeing one serves the
  // queue, which may end the runs of the others.
  for (TSlot& Slot : Slots) {
    if (Slot.Worker->Runing()) ++DestroyedRunning;
    delete Slot.Worker;
  }
  EXPECT_EQ(Group->CountRuning(), 0);
  Form.reset();

  EXPECT_EQ(Executions.load(), ExecutionsReturned.load());
  EXPECT_LE(Executions.load(), Accepted);
  EXPECT_EQ(Accepted, Ended + DestroyedRunning);
  EXPECT_EQ(GroupStarts, GroupEnds);
  EXPECT_GT(Ended, 0);
  EXPECT_GT(Served.load(), 0);
  EXPECT_FALSE(CheckSynchronize(0));
  std::printf("accepted %d, ended %d, destroyed running %d, executions %d, served %d, updates %d\n",
              Accepted, Ended, DestroyedRunning, Executions.load(), Served.load(), Updates);
}

}  // namespace
