// The rule of scrolling the panes together: the other panes go to the same
// fraction of their own scrollable height as the pane the user scrolled.
// Pure; any thread.
#pragma once

// Top: the source pane's vertical scroll offset; Range, TargetRange: how far
// each page can scroll (scroll height less view height). Answers the
// target's offset in whole pixels, within 0..TargetRange; a source that
// cannot scroll, or bad figures, give 0.
int ScrollTogetherTop(double Top, double Range, double TargetRange);
