#include "panes/hoverfocus.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "panes/fakebrowserpane.h"
#include "panes/fakemainwindowview.h"
#include "panes/panelayout.h"

namespace {

using Strings = std::vector<std::string>;

TEST(IsMouseOverBrowser, RightAndBottomEdgesLieOutside) {
  struct Case {
    TScreenRect Rect;
    std::optional<TScreenPoint> Cursor;
    bool Over;
  };
  const Case Cases[] = {
      {{10, 20, 110, 220}, TScreenPoint{10, 20}, true},
      {{10, 20, 110, 220}, TScreenPoint{109, 219}, true},
      {{10, 20, 110, 220}, TScreenPoint{110, 100}, false},  // right edge
      {{10, 20, 110, 220}, TScreenPoint{50, 220}, false},   // bottom edge
      {{10, 20, 110, 220}, TScreenPoint{9, 100}, false},
      {{10, 20, 110, 220}, TScreenPoint{50, 19}, false},
      {{5, 5, 5, 5}, TScreenPoint{5, 5}, false},            // empty rectangle
      {{0, 0, 10, 10}, std::nullopt, true},                 // unreadable cursor: (0, 0)
      {{1, 0, 10, 10}, std::nullopt, false},
  };
  for (const Case& C : Cases) {
    TFakeBrowserPane Pane;
    Pane.Rect = C.Rect;
    EXPECT_EQ(IsMouseOverBrowser(Pane, C.Cursor), C.Over)
        << "cursor " << (C.Cursor ? C.Cursor->X : 0) << "," << (C.Cursor ? C.Cursor->Y : 0);
  }
}

// The three panes laid out for the design client width, the client area's
// origin at screen (100, 50), panes 545 pixels high from client row 136.
struct Harness {
  std::array<TFakeBrowserPane, 3> Panes;
  THoverContext Context{false, true, std::nullopt, {&Panes[0], &Panes[1], &Panes[2]}};

  Harness() {
    const TPaneLayout L = TPaneLayout::ForClientWidth(1264);
    const TPaneBounds Bounds[] = {L.WebBrowser1, L.WebBrowser2, L.WebBrowser3};
    for (int I = 0; I < 3; ++I) {
      Panes[I].Rect = {100 + Bounds[I].Left, 186, 100 + Bounds[I].Left + Bounds[I].Width, 731};
    }
  }
  void StackPanes() {
    for (TFakeBrowserPane& Pane : Panes) Pane.Rect = {0, 0, 100, 100};
    Context.Cursor = TScreenPoint{50, 50};
  }
};

TEST(ApplicationEvents1Idle, FocusesOnlyThePaneUnderTheCursor) {
  struct Case {
    std::optional<TScreenPoint> Cursor;
    int FocusedSlot;  // 0: none
  };
  const Case Cases[] = {
      {TScreenPoint{100, 186}, 1},
      {TScreenPoint{519, 730}, 1},
      {TScreenPoint{520, 300}, 0},   // gap between panes 1 and 2
      {TScreenPoint{521, 300}, 2},
      {TScreenPoint{940, 300}, 2},
      {TScreenPoint{941, 300}, 0},   // gap between panes 2 and 3
      {TScreenPoint{942, 300}, 3},
      {TScreenPoint{1363, 300}, 3},
      {TScreenPoint{1364, 300}, 0},  // right edge of pane 3
      {TScreenPoint{300, 731}, 0},   // bottom edge
      {TScreenPoint{300, 185}, 0},   // the input controls above the panes
      {std::nullopt, 0},             // unreadable cursor: (0, 0), off the panes
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(::testing::Message() << "expected slot " << C.FocusedSlot);
    Harness H;
    H.Context.Cursor = C.Cursor;
    bool Done = false;
    ApplicationEvents1Idle(H.Context, Done);
    EXPECT_TRUE(Done);
    for (int Slot = 1; Slot <= 3; ++Slot) {
      const Strings Expected = Slot == C.FocusedSlot
          ? Strings{"HasDocument", "ScreenRect", "HasFocus", "Focus"}
          : Strings{"HasDocument", "ScreenRect"};
      EXPECT_EQ(H.Panes[Slot - 1].Calls, Expected) << "slot " << Slot;
    }
  }
}

TEST(ApplicationEvents1Idle, SettingsVisibleOrMainInactiveTouchesNoPane) {
  const THoverContext Guards[] = {
      {true, true, std::nullopt, {}},    // settings window visible
      {false, false, std::nullopt, {}},  // another window active
      {true, false, std::nullopt, {}},
  };
  for (const THoverContext& Guard : Guards) {
    Harness H;
    H.StackPanes();
    H.Context.SettingsWindowVisible = Guard.SettingsWindowVisible;
    H.Context.MainWindowActive = Guard.MainWindowActive;
    bool Done = false;
    ApplicationEvents1Idle(H.Context, Done);
    EXPECT_TRUE(Done);
    for (const TFakeBrowserPane& Pane : H.Panes) EXPECT_TRUE(Pane.Calls.empty());
  }
}

TEST(ApplicationEvents1Idle, ExaminesAllPanesSkippingThoseWithoutDocumentOrWithFocus) {
  Harness H;
  H.StackPanes();
  H.Panes[0].Document = false;
  H.Panes[1].Focused = true;
  bool Done = false;
  ApplicationEvents1Idle(H.Context, Done);
  EXPECT_TRUE(Done);
  EXPECT_EQ(H.Panes[0].Calls, (Strings{"HasDocument"}));
  EXPECT_EQ(H.Panes[1].Calls, (Strings{"HasDocument", "ScreenRect", "HasFocus"}));
  EXPECT_EQ(H.Panes[2].Calls, (Strings{"HasDocument", "ScreenRect", "HasFocus", "Focus"}));
}

TEST(ApplicationEvents1Idle, PaneFailureEndsThePassBeforeLaterPanes) {
  for (const char* ThrowIn : {"HasDocument", "ScreenRect", "HasFocus", "Focus"}) {
    SCOPED_TRACE(ThrowIn);
    Harness H;
    H.StackPanes();
    H.Panes[1].ThrowIn = ThrowIn;
    bool Done = false;
    EXPECT_THROW(ApplicationEvents1Idle(H.Context, Done), std::runtime_error);
    EXPECT_FALSE(Done);
    EXPECT_TRUE(H.Panes[0].Focused);
    EXPECT_EQ(H.Panes[1].Calls.back(), ThrowIn);
    EXPECT_TRUE(H.Panes[2].Calls.empty());
  }
}

TEST(ApplicationEvents1Idle, MissingPanesAreSkipped) {
  TFakeBrowserPane Pane;
  Pane.Rect = {0, 0, 10, 10};
  const THoverContext Context{false, true, std::nullopt, {nullptr, &Pane, nullptr}};
  bool Done = false;
  ApplicationEvents1Idle(Context, Done);
  EXPECT_TRUE(Done);
  EXPECT_TRUE(Pane.Focused);
}

TEST(Edit4MouseEnter, FocusesWordsLineOnlyWhenActiveAndLackingFocus) {
  struct Case {
    bool Active;
    bool Focused;
    bool Focuses;
  };
  const Case Cases[] = {
      {true, false, true},
      {true, true, false},
      {false, false, false},  // the settings window or another program is active
      {false, true, false},
  };
  for (const Case& C : Cases) {
    TFakeMainWindowView View;
    View.Active = C.Active;
    View.Edit4HasFocus = C.Focused;
    Edit4MouseEnter(View);
    EXPECT_EQ(View.Calls, C.Focuses ? Strings{"FocusEdit4"} : Strings{})
        << "active " << C.Active << " focused " << C.Focused;
  }
}

}  // namespace
