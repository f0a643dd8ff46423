#include "threads/synchronize.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "threadtestsupport.h"
#include "threads/ethread.h"
#include "threads/thread.h"

namespace {

using threadtest::ServeUntil;
using threadtest::TGate;

// Counts queued requests through the wake hook for the test's lifetime.
class TWakeCounter {
 public:
  TWakeCounter() {
    SetWakeMainThread([this] { Count.fetch_add(1); });
  }
  ~TWakeCounter() { SetWakeMainThread(nullptr); }
  std::atomic<int> Count{0};
};

TEST(Synchronize, OnTheMainThreadRunsAtOnce) {
  ASSERT_TRUE(IsMainThread());
  bool Ran = false;
  TThread::Synchronize(nullptr, [&] { Ran = true; });
  EXPECT_TRUE(Ran);
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Synchronize, FromAnotherThreadWaitsForTheMainThread) {
  TWakeCounter Wake;
  std::thread::id RanOn;
  std::atomic<bool> Returned{false};
  std::thread Worker([&] {
    TThread::Synchronize(nullptr, [&] { RanOn = std::this_thread::get_id(); });
    Returned = true;
  });
  ASSERT_TRUE(ServeUntil([&] { return Returned.load(); }));
  Worker.join();
  EXPECT_EQ(RanOn, std::this_thread::get_id());
  EXPECT_EQ(Wake.Count.load(), 1);
}

TEST(Synchronize, RequestStaysQueuedUntilServed) {
  TWakeCounter Wake;
  std::atomic<bool> Ran{false};
  std::thread Worker([&] { TThread::Synchronize(nullptr, [&] { Ran = true; }); });
  // The hook runs after queuing, so once it has counted the request is there.
  while (Wake.Count.load() == 0) std::this_thread::yield();
  EXPECT_FALSE(Ran.load());
  bool OtherServed = true;
  std::thread Other([&] { OtherServed = CheckSynchronize(0); });
  Other.join();
  EXPECT_FALSE(OtherServed);  // only the main thread serves
  EXPECT_FALSE(Ran.load());
  EXPECT_TRUE(CheckSynchronize(0));
  Worker.join();
  EXPECT_TRUE(Ran.load());
}

TEST(Synchronize, ReraisesTheMethodsExceptionInTheCaller) {
  std::string Caught;
  std::atomic<bool> Done{false};
  std::thread Worker([&] {
    try {
      TThread::Synchronize(nullptr, [] { throw EThread("raised on the main thread"); });
    } catch (const EThread& E) {
      Caught = E.what();
    }
    Done = true;
  });
  ASSERT_TRUE(ServeUntil([&] { return Done.load(); }));
  Worker.join();
  EXPECT_EQ(Caught, "raised on the main thread");
}

TEST(Synchronize, ServesInQueueOrderAndNestedServingReachesLaterRequests) {
  TWakeCounter Wake;
  std::vector<std::string> Order;
  std::thread First([&] {
    TThread::Synchronize(nullptr, [&] {
      Order.push_back("first begins");
      // A method that serves the queue itself runs what was queued behind it.
      while (Wake.Count.load() < 2) std::this_thread::yield();
      EXPECT_TRUE(CheckSynchronize(0));
      Order.push_back("first ends");
    });
  });
  while (Wake.Count.load() < 1) std::this_thread::yield();
  std::thread Second([&] { TThread::Synchronize(nullptr, [&] { Order.push_back("second"); }); });
  EXPECT_TRUE(CheckSynchronize(1000));
  First.join();
  Second.join();
  EXPECT_EQ(Order, (std::vector<std::string>{"first begins", "second", "first ends"}));
}

TEST(Synchronize, CheckSynchronizeWithTimeoutReturnsFalseWhenNothingCame) {
  EXPECT_FALSE(CheckSynchronize(0));
  EXPECT_FALSE(CheckSynchronize(20));
  EXPECT_FALSE(CheckSynchronize(-5));  // negative timeout: no wait
}

TEST(Synchronize, SetMainThreadMovesServiceToTheCaller) {
  TGate Moved;
  TGate Back;
  bool OtherWasMain = false;
  std::thread Other([&] {
    SetMainThread();
    OtherWasMain = IsMainThread();
    Moved.Open();
    Back.Wait();
  });
  ASSERT_TRUE(Moved.Wait());
  EXPECT_FALSE(IsMainThread());
  SetMainThread();
  Back.Open();
  Other.join();
  EXPECT_TRUE(OtherWasMain);
  EXPECT_TRUE(IsMainThread());
}

}  // namespace
