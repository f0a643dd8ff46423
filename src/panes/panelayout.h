// TPaneLayout: where the three result panes stand across the main window.
//
// Computed from the client width C on every resize: W = (C - 2) / 3 in
// signed integers, truncated toward zero. WebBrowser1 gets width W at left 0;
// WebBrowser2 and WebBrowser3 are then placed from the width read back from
// WebBrowser1, one free column between neighbours, WebBrowser3 two pixels
// wider. A control's width never goes below 0 (the toolkit clamps it), so the
// read-back width is max(W, 0); for C < -1 it differs from W. The right edge
// of WebBrowser3 lies at C, or one or two pixels beyond it. Tops and heights
// are the window's business (fixed top, bottom anchored).
//
// The horizontal rule under the input controls keeps its 16-pixel overhang
// past the client area, so its width is C + 16 (saturating at INT_MAX).
//
// A plain value, computed without side effects for any int, extreme ones
// included.
#pragma once

struct TPaneBounds {
  int Left = 0;
  int Width = 0;
};

struct TPaneLayout {
  // W as divided; may be negative.
  int ColumnWidth = 0;
  TPaneBounds WebBrowser1;
  TPaneBounds WebBrowser2;
  TPaneBounds WebBrowser3;
  // Width of the rule Shape1, whose left edge stays at 0.
  int RuleWidth = 16;

  static TPaneLayout ForClientWidth(int ClientWidth);
};
