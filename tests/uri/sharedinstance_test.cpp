#include "uri/sharedinstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <thread>
#include <vector>

namespace {

std::atomic<int> Made{0};
std::atomic<int> Freed{0};

// Waits (bounded) in its constructor until three have begun, so that three
// threads surely race to install theirs.
struct TCounted {
  TCounted() {
    ++Made;
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Made.load() < 3 && std::chrono::steady_clock::now() < Deadline) std::this_thread::yield();
  }
  ~TCounted() { ++Freed; }
};

TEST(TSharedInstance, RacingFirstUsesInstallOneAndDiscardTheRest) {
  {
    TSharedInstance<TCounted> Shared;
    std::latch Start(3);
    std::vector<TCounted*> Got(3);
    std::vector<std::thread> Threads;
    for (int I = 0; I < 3; ++I)
      Threads.emplace_back([&, I] {
        Start.arrive_and_wait();
        Got[I] = &Shared.Get();
      });
    for (std::thread& Thread : Threads) Thread.join();
    EXPECT_EQ(Got[0], Got[1]);
    EXPECT_EQ(Got[0], Got[2]);
    EXPECT_EQ(Made.load(), 3);
    EXPECT_EQ(Freed.load(), 2);
    EXPECT_EQ(&Shared.Get(), Got[0]);
    EXPECT_EQ(Made.load(), 3);
  }
  EXPECT_EQ(Freed.load(), 3);
}

}  // namespace
