#include "panes/hoverfocus.h"

bool IsMouseOverBrowser(const TBrowserPane& Pane,
                        const std::optional<TScreenPoint>& Cursor) {
  const TScreenRect Rect = Pane.ScreenRect();
  const TScreenPoint Point = Cursor.value_or(TScreenPoint{});
  return Rect.Left <= Point.X && Point.X < Rect.Right && Rect.Top <= Point.Y &&
         Point.Y < Rect.Bottom;
}

void ApplicationEvents1Idle(const THoverContext& Context, bool& Done) {
  if (Context.SettingsWindowVisible || !Context.MainWindowActive) {
    Done = true;
    return;
  }
  for (TBrowserPane* Pane : Context.Panes) {
    if (Pane == nullptr || !Pane->HasDocument()) continue;
    if (!IsMouseOverBrowser(*Pane, Context.Cursor)) continue;
    if (!Pane->HasFocus()) Pane->Focus();
  }
  Done = true;
}

void Edit4MouseEnter(TMainWindowView& View) {
  if (View.MainWindowActive() && !View.Edit4Focused()) View.FocusEdit4();
}
