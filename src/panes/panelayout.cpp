#include "panes/panelayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

TPaneLayout TPaneLayout::ForClientWidth(int ClientWidth) {
  // 64-bit intermediates keep C - 2 and C + 16 defined at the ends of int.
  const std::int64_t C = ClientWidth;
  TPaneLayout Layout;
  Layout.ColumnWidth = static_cast<int>((C - 2) / 3);

  Layout.WebBrowser1 = {0, std::max(Layout.ColumnWidth, 0)};
  const int Width1 = Layout.WebBrowser1.Width;  // read back after setting
  Layout.WebBrowser2 = {Width1 + 1, Width1};
  Layout.WebBrowser3 = {2 * Width1 + 2, Width1 + 2};

  Layout.RuleWidth = static_cast<int>(
      std::min<std::int64_t>(C + 16, std::numeric_limits<int>::max()));
  return Layout;
}
