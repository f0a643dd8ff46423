#include "panes/panelayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

struct LayoutCase {
  int ClientWidth;
  int ColumnWidth;
  TPaneBounds Pane1, Pane2, Pane3;
  int RuleWidth;
};

TEST(PaneLayout, Table) {
  const LayoutCase Cases[] = {
      // The design width: columns 0-419, 421-840, 842-1263.
      {1264, 420, {0, 420}, {421, 420}, {842, 422}, 1280},
      {1265, 421, {0, 421}, {422, 421}, {844, 423}, 1281},
      {1263, 420, {0, 420}, {421, 420}, {842, 422}, 1279},
      {5, 1, {0, 1}, {2, 1}, {4, 3}, 21},
      {4, 0, {0, 0}, {1, 0}, {2, 2}, 20},
      {2, 0, {0, 0}, {1, 0}, {2, 2}, 18},
      // Below 2 the division truncates toward zero.
      {1, 0, {0, 0}, {1, 0}, {2, 2}, 17},
      {0, 0, {0, 0}, {1, 0}, {2, 2}, 16},
      // W goes negative; the width read back from WebBrowser1 stays 0.
      {-1, -1, {0, 0}, {1, 0}, {2, 2}, 15},
      {-5, -2, {0, 0}, {1, 0}, {2, 2}, 11},
      // The ends of int neither overflow nor wrap.
      {kIntMax, 715827881, {0, 715827881}, {715827882, 715827881},
       {1431655764, 715827883}, kIntMax},
      {kIntMin, -715827883, {0, 0}, {1, 0}, {2, 2}, kIntMin + 16},
  };
  for (const LayoutCase& Case : Cases) {
    SCOPED_TRACE(Case.ClientWidth);
    const TPaneLayout L = TPaneLayout::ForClientWidth(Case.ClientWidth);
    EXPECT_EQ(L.ColumnWidth, Case.ColumnWidth);
    EXPECT_EQ(L.WebBrowser1.Left, Case.Pane1.Left);
    EXPECT_EQ(L.WebBrowser1.Width, Case.Pane1.Width);
    EXPECT_EQ(L.WebBrowser2.Left, Case.Pane2.Left);
    EXPECT_EQ(L.WebBrowser2.Width, Case.Pane2.Width);
    EXPECT_EQ(L.WebBrowser3.Left, Case.Pane3.Left);
    EXPECT_EQ(L.WebBrowser3.Width, Case.Pane3.Width);
    EXPECT_EQ(L.RuleWidth, Case.RuleWidth);
  }
}

// Over every ordinary width: one free column between neighbours, and the
// last pane ends at C or at most two pixels beyond it.
TEST(PaneLayout, GapsAndRightEdgeForOrdinaryWidths) {
  for (int C = 2; C <= 4000; ++C) {
    SCOPED_TRACE(C);
    const TPaneLayout L = TPaneLayout::ForClientWidth(C);
    const int Right1 = L.WebBrowser1.Left + L.WebBrowser1.Width;
    const int Right2 = L.WebBrowser2.Left + L.WebBrowser2.Width;
    const int Right3 = L.WebBrowser3.Left + L.WebBrowser3.Width;
    EXPECT_EQ(L.WebBrowser2.Left, Right1 + 1);
    EXPECT_EQ(L.WebBrowser3.Left, Right2 + 1);
    EXPECT_EQ(Right3, 3 * L.ColumnWidth + 4);
    EXPECT_EQ(Right3 - C, 2 - (C - 2) % 3);
  }
}

}  // namespace
