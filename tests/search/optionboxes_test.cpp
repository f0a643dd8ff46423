#include "search/optionboxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panes/fakemainwindowview.h"

namespace {

// The window's bindings: CheckBox1 and the engine boxes run CheckBox1Click,
// CheckBox2 runs CheckBox2Click.
struct Harness {
  TFakeMainWindowView View;
  TOptionBoxes Boxes{View};

  Harness(bool Exact, bool Site) {
    View.Boxes[0] = Exact;
    View.Boxes[1] = Site;
    for (int I : {0, 2, 3, 4}) View.OnClick[I] = [this] { Boxes.CheckBox1Click(); };
    View.OnClick[1] = [this] { Boxes.CheckBox2Click(); };
  }
};

TEST(OptionBoxes, AtMostOneOptionTicked) {
  struct Case {
    bool Exact, Site;  // before
    TMainCheckBox Box;
    bool Tick;
    bool ExactAfter, SiteAfter;
  };
  using enum TMainCheckBox;
  const Case Cases[] = {
      {false, false, CheckBox1, true, true, false},
      {false, false, CheckBox2, true, false, true},
      {true, false, CheckBox2, true, false, true},
      {false, true, CheckBox1, true, true, false},
      {true, false, CheckBox1, false, false, false},
      {false, true, CheckBox2, false, false, false},
      // Engine boxes never change the options.
      {true, false, CheckBox3, false, true, false},
      {true, false, CheckBox4, false, true, false},
      {false, true, CheckBox5, false, false, true},
      {false, false, CheckBox3, false, false, false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(::testing::Message() << "box " << TFakeMainWindowView::Index(C.Box) + 1
                                      << " tick " << C.Tick << " from " << C.Exact << C.Site);
    Harness H(C.Exact, C.Site);
    H.View.SetChecked(C.Box, C.Tick);
    EXPECT_EQ(H.View.Boxes[0], C.ExactAfter);
    EXPECT_EQ(H.View.Boxes[1], C.SiteAfter);
    EXPECT_EQ(H.View.Boxes[TFakeMainWindowView::Index(C.Box)], C.Tick);
  }

  // An engine box ticked again after unticking still leaves the options alone.
  Harness H(false, true);
  H.View.SetChecked(CheckBox4, false);
  H.View.SetChecked(CheckBox4, true);
  EXPECT_EQ(H.View.Boxes, (std::array<bool, 5>{false, true, true, true, true}));
}

TEST(OptionBoxes, UntickedBoxHandlerFindsItUntickedAndStops) {
  Harness H(true, false);
  H.View.SetChecked(TMainCheckBox::CheckBox2, true);
  // Ticking CheckBox2 unticks CheckBox1 once; CheckBox1's handler, raised by
  // that, writes nothing.
  EXPECT_EQ(H.View.Calls, (std::vector<std::string>{"SetChecked2", "SetChecked1"}));
}

}  // namespace
