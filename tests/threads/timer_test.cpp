#include "threads/timer.h"

#include <gtest/gtest.h>

#include "threadtestsupport.h"
#include "threads/manualtimer.h"

namespace {

TEST(Timer, DefaultFactoryGivesAnInertDisabledTimer) {
  SetTimerFactory(nullptr);
  std::unique_ptr<TTimer> Timer = CreateTimer();
  ASSERT_NE(Timer, nullptr);
  EXPECT_FALSE(Timer->Enabled());
  EXPECT_EQ(Timer->Interval(), 1000u);
  EXPECT_EQ(dynamic_cast<TManualTimer*>(Timer.get()), nullptr);
}

TEST(Timer, FactoryThatGivesNothingFallsBackToInert) {
  SetTimerFactory([] { return std::unique_ptr<TTimer>(); });
  EXPECT_NE(CreateTimer(), nullptr);
  SetTimerFactory(nullptr);
}

TEST(ManualTimer, FiresOnlyWhileEnabled) {
  threadtest::TManualTimerFactory Factory;
  std::unique_ptr<TTimer> Timer = CreateTimer();
  ASSERT_EQ(Timer.get(), Factory.Last());
  int Ticks = 0;
  TObject* Sender = nullptr;
  Timer->SetOnTimer([&](TObject* S) {
    ++Ticks;
    Sender = S;
  });
  Factory.Last()->Fire();
  EXPECT_EQ(Ticks, 0);
  Timer->SetEnabled(true);
  Factory.Last()->Fire();
  Factory.Last()->Fire();
  EXPECT_EQ(Ticks, 2);
  EXPECT_EQ(Sender, Timer.get());
  Timer->SetEnabled(false);
  Factory.Last()->Fire();
  EXPECT_EQ(Ticks, 2);
}

}  // namespace
