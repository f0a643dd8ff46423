// TSearchWarmUp: gets the ticked engines' panes ready for the next search,
// so that the first search after start is as fast as any later one.
//
// When the user starts typing a new search (the first edit of the words
// line after start or after a search), the origin of each ticked slot whose
// command gives an http or https URL is handed to Preconnect, in slot order
// (the panes share one browser profile, whose connections and processes
// they reuse). Nothing happens at start-up, while the words line is
// untouched, when the line is set by the program (emptied on completion), or
// when the preference is off. The commands and boxes are read when typing starts.
//
// Lifetime: the view is borrowed and must outlive this object.
// UI thread only.
#pragma once

#include "panes/mainwindowview.h"

#include <functional>
#include <string>

class TSearchWarmUp {
 public:
  // The search command of engine slot 1, 2 or 3, read on the UI thread.
  using TCommandSource = std::function<std::u16string(int Slot)>;

  // Readies the browser for a navigation to an origin ("https://host[:port]"):
  // opens a connection, and may start the page process that the pane will use.
  using TPreconnect = std::function<void(const std::u16string& Origin)>;

  TSearchWarmUp(const TMainWindowView& View, TCommandSource Commands, TPreconnect Preconnect, bool Enabled);

  // The user edited the words line.
  void WordsEdited();
  // A search was dispatched: the next edit starts a new search.
  void SearchDispatched();

 private:
  const TMainWindowView& FView;
  TCommandSource FCommands;
  TPreconnect FPreconnect;
  bool FEnabled;
  bool FArmed = true;
};
