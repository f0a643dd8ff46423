#include "panes/panedone.h"

#include <gtest/gtest.h>

TEST(PaneDoneFlags, StartFalseAndAnswerPerSlot) {
  TPaneDoneFlags Flags;
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(2) || Flags.PaneDone(3));

  Flags.PaneDone(2) = true;
  EXPECT_TRUE(Flags.PaneDone(2));
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(3));
  Flags.PaneDone(1) = true;
  Flags.PaneDone(3) = true;
  const TPaneDoneFlags& Read = Flags;
  EXPECT_TRUE(Read.PaneDone(1) && Read.PaneDone(2) && Read.PaneDone(3));

  Flags.LinesPending = false;
  Flags.ClearAll();
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(2) || Flags.PaneDone(3));
  EXPECT_TRUE(Flags.LinesPending);
}

TEST(PaneDoneFlags, SlotOutsideOneToThreeAnswersSlotThree) {
  TPaneDoneFlags Flags;
  Flags.PaneDone(0) = true;
  EXPECT_TRUE(Flags.PaneDone(3));
  EXPECT_TRUE(Flags.PaneDone(4));
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(2));
}
