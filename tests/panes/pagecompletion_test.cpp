#include "panes/pagecompletion.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "panes/fakebrowserpane.h"
#include "panes/fakemainwindowview.h"

namespace {

using Strings = std::vector<std::string>;
using Scrolls = std::vector<std::int32_t>;

// Three ready panes of the engines' own host bound to the handlers, both
// options on, distances 150/100/120, all engines ticked, text in both lines.
struct Harness {
  std::array<TFakeBrowserPane, 3> Panes;
  TPaneDoneFlags Flags;
  TSettings Settings{true, true, 150, 100, 120};
  TFakeMainWindowView View;
  std::u16string Command = u"https://engine.example/search?q=";
  TPageCompletion Completion{
      {&Panes[0], &Panes[1], &Panes[2]}, Flags, Settings, View, [this](int) { return Command; }};

  Harness() {
    View.Edit4 = u"solar panels";
    View.Edit5 = u"cheap";
    Completion.BindEvents();
  }
  void Complete(int Slot) { Panes[Slot - 1].OnDocumentComplete(); }
  void Navigate(int Slot) { Panes[Slot - 1].OnBeforeNavigate2(); }
  bool LinesEmpty() const { return View.Edit4.empty() && View.Edit5.empty(); }
  void Untick(int Slot) {
    View.Boxes[TFakeMainWindowView::Index(TMainWindowView::EngineCheckBox(Slot))] = false;
  }
};

TEST(PageCompletion, PageNotReadyEndsAtTheFailingTest) {
  struct Case {
    const char* Name;
    bool Document;
    bool Body;
    std::int32_t ClientWidth;
    Strings Calls;
  };
  const Case Cases[] = {
      {"no document", false, true, 400, {"HasDocument"}},
      {"no body", true, false, 400, {"HasDocument", "HasBody"}},
      {"client width 0", true, true, 0, {"HasDocument", "HasBody", "RootClientWidth"}},
      {"client width -1", true, true, -1, {"HasDocument", "HasBody", "RootClientWidth"}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Harness H;
    H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
    H.Panes[0].Document = C.Document;
    H.Panes[0].Body = C.Body;
    H.Panes[0].ClientWidth = C.ClientWidth;
    H.Complete(1);
    EXPECT_EQ(H.Panes[0].Calls, C.Calls);
    EXPECT_FALSE(H.Flags.PaneDone(1));
    EXPECT_FALSE(H.LinesEmpty());
  }
}

TEST(PageCompletion, LaterCompletionOfAPaneThatWasNotReadyPasses) {
  Harness H;
  H.Panes[0].ClientWidth = 0;
  H.Complete(1);
  EXPECT_FALSE(H.Flags.PaneDone(1));
  H.Panes[0].ClientWidth = 1;
  H.Complete(1);
  EXPECT_TRUE(H.Flags.PaneDone(1));
  EXPECT_EQ(H.Panes[0].Scrolls, (Scrolls{150}));
}

TEST(PageCompletion, AutoScrollOffChangesNothingButStillReads) {
  Harness H;
  H.Settings.AutoScrollRight = false;
  H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
  H.Complete(1);
  EXPECT_EQ(H.Panes[0].Calls, (Strings{"HasDocument", "HasBody", "RootClientWidth"}));
  EXPECT_FALSE(H.Flags.PaneDone(1));
  EXPECT_FALSE(H.LinesEmpty());
  EXPECT_TRUE(H.View.Calls.empty());
}

TEST(PageCompletion, EachSlotScrollsByItsOwnDistanceUnchanged) {
  struct Case {
    int Slot;
    std::int32_t Distance;
  };
  const Case Cases[] = {
      {1, 150}, {2, 100}, {3, 120},
      {1, 0},       // marks done without moving
      {2, -30},     // scrolls left
      {3, INT32_MIN},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(::testing::Message() << "slot " << C.Slot << " distance " << C.Distance);
    Harness H;
    H.Settings.ScrollPixels(C.Slot) = C.Distance;
    H.Complete(C.Slot);
    for (int Slot = 1; Slot <= 3; ++Slot) {
      EXPECT_EQ(H.Flags.PaneDone(Slot), Slot == C.Slot);
      EXPECT_EQ(H.Panes[Slot - 1].Scrolls,
                (Slot == C.Slot ? Scrolls{C.Distance} : Scrolls{}));
    }
  }
}

TEST(PageCompletion, OneEngineTickedEmptiesWordsLineThenExcludedLine) {
  Harness H;
  H.Untick(2);
  H.Untick(3);
  H.Complete(1);
  EXPECT_TRUE(H.LinesEmpty());
  EXPECT_EQ(H.View.Calls, (Strings{"SetEdit4Text", "SetEdit5Text"}));
}

TEST(PageCompletion, AllTickedEmptyLinesWhenTheLastCompletes) {
  Harness H;
  H.Complete(2);
  H.Complete(3);
  EXPECT_FALSE(H.LinesEmpty());
  H.Complete(1);
  EXPECT_TRUE(H.LinesEmpty());
  for (const TFakeBrowserPane& Pane : H.Panes) EXPECT_EQ(Pane.Scrolls.size(), 1u);
}

TEST(PageCompletion, DeleteWordsOffKeepsLines) {
  Harness H;
  H.Settings.DeleteWordsOnComplete = false;
  H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
  H.Complete(1);
  EXPECT_TRUE(H.Flags.PaneDone(1));
  EXPECT_EQ(H.Panes[0].Scrolls.size(), 1u);
  EXPECT_FALSE(H.LinesEmpty());
}

TEST(PageCompletion, LinesAreEmptiedOncePerSearch) {
  Harness H;
  H.Complete(1);
  EXPECT_FALSE(H.LinesEmpty());
  H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
  H.Complete(1);
  EXPECT_TRUE(H.LinesEmpty());
  EXPECT_EQ(H.Panes[0].Scrolls, (Scrolls{150}));

  // Typed since: a repeated completion, a link followed and a reload keep it.
  H.View.Edit4 = u"typed since";
  H.View.Edit5 = u"more";
  H.Complete(1);
  H.Navigate(2);
  H.Complete(2);
  H.Navigate(1);
  H.Complete(1);
  EXPECT_EQ(H.View.Edit4, u"typed since");
  EXPECT_EQ(H.View.Edit5, u"more");
  EXPECT_EQ(H.View.Calls.size(), 2u);

  // The next search empties them again once every pane has completed.
  H.Flags.ClearAll();
  H.Complete(1);
  H.Complete(2);
  EXPECT_FALSE(H.LinesEmpty());
  H.Complete(3);
  EXPECT_TRUE(H.LinesEmpty());
}

TEST(PageCompletion, AllDoneWithDeleteWordsOffStillEndsTheSearchsEmptying) {
  Harness H;
  H.Settings.DeleteWordsOnComplete = false;
  H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
  H.Complete(1);
  EXPECT_FALSE(H.Flags.LinesPending);
  H.Settings.DeleteWordsOnComplete = true;  // switched on after the search
  H.Complete(1);
  EXPECT_FALSE(H.LinesEmpty());
}

TEST(PageCompletion, BeforeNavigateOfAFrameSetsThePositionAgainNotFurther) {
  Harness H;
  H.Complete(1);
  H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
  H.Navigate(1);  // a frame inside the page, or the page back from history
  EXPECT_FALSE(H.Flags.PaneDone(1));
  EXPECT_TRUE(H.Flags.PaneDone(2) && H.Flags.PaneDone(3));
  H.Settings.ScrollPixels(1) = 40;
  H.Complete(1);
  H.Complete(1);
  // Positions, not steps: the page stands at 40, not at 190.
  EXPECT_EQ(H.Panes[0].Scrolls, (Scrolls{150, 40}));
  EXPECT_EQ(H.View.Calls.size(), 2u);
}

TEST(PageCompletion, OnlyTheEnginesOwnPagesAndLocalPagesAreScrolled) {
  struct Case {
    const char16_t* Url;
    const char16_t* Command;
    bool Scrolled;
    const char* Reason;
  };
  const Case Cases[] = {
      {u"https://engine.example/search?q=solar", u"https://engine.example/search?q=", true, "result page"},
      {u"https://Engine.Example/search?q=solar", u"https://engine.example/search?q=", true, "host letter case"},
      {u"https://consent.engine.example/ml", u"https://engine.example/search?q=", false, "consent page"},
      {u"https://other.example/article", u"https://engine.example/search?q=", false, "a result followed"},
      {u"file:///opt/varnesk/start1.htm", u"https://engine.example/search?q=", true, "start page"},
      {u"https://engine.example/search?q=solar", u"", false, "no command"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Reason);
    Harness H;
    H.Command = C.Command;
    H.Panes[0].Url = C.Url;
    H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
    H.Complete(1);
    EXPECT_EQ(H.Panes[0].Scrolls, (C.Scrolled ? Scrolls{150} : Scrolls{}));
    // Either way the pane is done and the all-done test runs.
    EXPECT_TRUE(H.Flags.PaneDone(1));
    EXPECT_TRUE(H.LinesEmpty());
  }
}

TEST(PageCompletion, BoxesAreReadNowAndOnlyForOtherSlotsNotDone) {
  Harness H;
  H.Complete(1);  // slots 2 and 3 ticked and not done
  EXPECT_FALSE(H.LinesEmpty());
  H.Untick(2);    // unticked mid-search, before its pane completes
  H.Complete(3);
  EXPECT_TRUE(H.LinesEmpty());

  Harness Reads;
  Reads.Flags.PaneDone(2) = true;
  Reads.Complete(1);
  EXPECT_EQ(Reads.View.BoxReads, (std::array<int, 5>{0, 0, 0, 0, 1}));
}

TEST(PageCompletion, PaneOfAnUntickedEngineIsHandledAllTheSame) {
  Harness H;
  H.Untick(2);
  H.Untick(3);
  H.Flags.PaneDone(1) = true;
  H.Complete(2);
  EXPECT_EQ(H.Panes[1].Scrolls, (Scrolls{100}));
  EXPECT_TRUE(H.Flags.PaneDone(2));
  EXPECT_TRUE(H.LinesEmpty());
}

TEST(PageCompletion, PaneFailureEndsHandlerAndPropagates) {
  struct Case {
    const char* ThrowIn;
    bool AutoScroll;
  };
  const Case Cases[] = {
      {"HasDocument", true},
      {"HasBody", true},
      {"RootClientWidth", true},
      {"RootClientWidth", false},  // the reads are made with auto-scroll off too
      {"ScrollHorizontallyTo", true},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.ThrowIn);
    Harness H;
    H.Settings.AutoScrollRight = C.AutoScroll;
    H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
    H.Panes[0].ThrowIn = C.ThrowIn;
    EXPECT_THROW(H.Complete(1), std::runtime_error);
    EXPECT_EQ(H.Panes[0].Calls.back(), C.ThrowIn);
    EXPECT_FALSE(H.Flags.PaneDone(1));
    EXPECT_FALSE(H.LinesEmpty());
    EXPECT_TRUE(H.Panes[0].Scrolls.empty());
  }
}

TEST(PageCompletion, FailedScrollIsTriedAgainOnTheNextCompletion) {
  Harness H;
  H.Panes[0].ThrowIn = "ScrollHorizontallyTo";
  EXPECT_THROW(H.Complete(1), std::runtime_error);
  H.Panes[0].ThrowIn.clear();
  H.Complete(1);
  EXPECT_EQ(H.Panes[0].Scrolls, (Scrolls{150}));
  EXPECT_TRUE(H.Flags.PaneDone(1));
}

TEST(PageCompletion, BeforeNavigateClearsOnlyItsOwnFlag) {
  Harness H;
  H.Flags.PaneDone(1) = H.Flags.PaneDone(2) = H.Flags.PaneDone(3) = true;
  H.Navigate(2);
  EXPECT_TRUE(H.Flags.PaneDone(1) && H.Flags.PaneDone(3));
  EXPECT_FALSE(H.Flags.PaneDone(2));
  EXPECT_TRUE(H.Panes[1].Calls.empty() && H.View.Calls.empty());
}

TEST(PageCompletion, UnknownSlotsAndMissingPanesAreIgnored) {
  TFakeBrowserPane Pane;
  TPaneDoneFlags Flags;
  TSettings Settings{true, true, 150, 100, 120};
  TFakeMainWindowView View;
  TPageCompletion Completion({&Pane, nullptr, nullptr}, Flags, Settings, View, {});
  Completion.BindEvents();
  Flags.PaneDone(3) = true;
  for (const int Slot : {0, 2, 3, 4, -1}) Completion.DocumentComplete(Slot);
  for (const int Slot : {0, 4, -1}) Completion.BeforeNavigate2(Slot);
  EXPECT_TRUE(Flags.PaneDone(3));
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(2));
  EXPECT_TRUE(Pane.Calls.empty() && View.Calls.empty());
}

}  // namespace
