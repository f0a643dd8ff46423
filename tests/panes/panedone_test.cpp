#include "panes/panedone.h"

#include <gtest/gtest.h>

TEST(PaneDoneFlags, StartFalseAndAnswerPerSlot) {
  TPaneDoneFlags Flags;
  EXPECT_FALSE(Flags.PaneDone1 || Flags.PaneDone2 || Flags.PaneDone3);

  Flags.PaneDone(2) = true;
  EXPECT_TRUE(Flags.PaneDone2);
  EXPECT_FALSE(Flags.PaneDone1 || Flags.PaneDone3);
  Flags.PaneDone(1) = true;
  Flags.PaneDone(3) = true;
  const TPaneDoneFlags& Read = Flags;
  EXPECT_TRUE(Read.PaneDone(1) && Read.PaneDone(2) && Read.PaneDone(3));

  Flags.LinesPending = false;
  Flags.ClearAll();
  EXPECT_FALSE(Flags.PaneDone1 || Flags.PaneDone2 || Flags.PaneDone3);
  EXPECT_TRUE(Flags.LinesPending);
}
