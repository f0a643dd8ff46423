// Focus that follows the mouse: the pane under the cursor takes the keyboard
// focus while the main window is in use, and the words line takes it back
// when the mouse enters it.
//
// ApplicationEvents1Idle is one pass of the application's idle hook. It does
// nothing while the settings window is visible or the main window is not
// active; otherwise it examines WebBrowser1, WebBrowser2 and WebBrowser3 in
// that order, skipping a pane without a document or not under the cursor,
// and focuses a document under the cursor that lacks the focus. The test is
// purely geometric (screen rectangle, right and bottom edges outside). A pane
// call that throws ends the pass there, leaving later panes unexamined, and
// propagates with Done untouched; every other path sets Done true.
//
// Stateless: each pass starts afresh from the context it is given, which
// borrows the panes for the duration of the call. UI thread only.
#pragma once

#include <optional>

#include "panes/browserpane.h"
#include "panes/mainwindowview.h"
#include "settings/engineslots.h"

struct TScreenPoint {
  int X = 0;
  int Y = 0;
};

// What one idle pass looks at, gathered by the window just before the pass.
struct THoverContext {
  bool SettingsWindowVisible = false;
  bool MainWindowActive = false;
  // The cursor in screen coordinates; none when it could not be read, which
  // counts as the point (0, 0).
  std::optional<TScreenPoint> Cursor;
  // WebBrowser1..WebBrowser3; a null pane is skipped.
  TPerSlot<TBrowserPane*> Panes{};
};

// Whether Cursor lies inside the pane's screen rectangle: Left <= X < Right
// and Top <= Y < Bottom.
bool IsMouseOverBrowser(const TBrowserPane& Pane,
                        const std::optional<TScreenPoint>& Cursor);

// One idle pass (see the header comment).
void ApplicationEvents1Idle(const THoverContext& Context, bool& Done);

// The words line's mouse-enter handler: while the main window is active and
// the words line lacks the keyboard focus, gives it the focus.
void Edit4MouseEnter(TMainWindowView& View);
