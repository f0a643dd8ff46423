// TQueryComposer: turns the main window's words line, option boxes and
// excluded-words line into the one query that every engine receives.
//
// Compose is the first half of the search action: SearchText becomes the
// words line as typed; a line shorter than 2 UTF-16 code units stops there
// and no search takes place. Otherwise " Exact phrase" wraps it in double
// quotes, then " Site search" puts "site:" in front, and a non-empty
// excluded-words line (spaces count) is split and each term appended as
// " -term".
//
// SplitExcludedWords splits on the space character (code 32) only. A double
// quote outside a phrase opens a phrase term that keeps its quotes and inner
// spaces; after the closing quote the word state is what it was before the
// phrase opened. Terms past the 100th are dropped.
//
// Lifetime: the state and view are borrowed and must outlive the composer.
// UI thread only. Never fails.
#pragma once

#include <string_view>

#include "panes/mainwindowview.h"
#include "search/searchstate.h"

class TQueryComposer {
 public:
  explicit TQueryComposer(TSearchState& State, const TMainWindowView& View);

  // Composes SearchText; true when the search goes ahead to the dispatch.
  bool Compose();

  // Rebuilds ExcludedWords and ExcludedCount from the excluded-words line.
  void SplitExcludedWords();

  // The splitting rule on its own, over any line.
  static void SplitExcludedLine(std::u16string_view Line, TSearchState& State);

 private:
  TSearchState& FState;
  const TMainWindowView& FView;
};
