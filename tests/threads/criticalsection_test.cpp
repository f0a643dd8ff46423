#include "threads/criticalsection.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

namespace {

TEST(CriticalSection, HolderMayEnterAgainOthersMayNot) {
  TCriticalSection Lock;
  Lock.Enter();
  {
    std::lock_guard<TCriticalSection> Again(Lock);
    bool OtherGot = true;
    std::thread Other([&] {
      OtherGot = Lock.TryEnter();
      if (OtherGot) Lock.Leave();
    });
    Other.join();
    EXPECT_FALSE(OtherGot);
  }
  Lock.Leave();
  bool OtherGot = false;
  std::thread Other([&] {
    OtherGot = Lock.TryEnter();
    if (OtherGot) Lock.Leave();
  });
  Other.join();
  EXPECT_TRUE(OtherGot);
}

}  // namespace
