// TSearchHistory: the searches of this run (and, when they are remembered,
// of earlier runs), oldest first, and the user's place while stepping
// through them with Up and Down.
//
// Add keeps a search unless it equals the newest one, drops the oldest past
// kMaxSearches, and ends any stepping. Back starts stepping at the newest
// search, keeping what was being typed, then goes one older each time and
// stays at the oldest; Forward goes one newer and, past the newest, gives
// back what was being typed and ends stepping. A plain value; UI thread.
#pragma once

#include "history/searchentry.h"

#include <cstddef>
#include <optional>
#include <vector>

class TSearchHistory {
 public:
  static constexpr std::size_t kMaxSearches = 200;

  // Answers whether Search was kept (false for a repeat of the newest).
  bool Add(const TSearchEntry& Search);
  // Replaces every search with Searches (the newest kMaxSearches of them,
  // with repeats of the one before dropped) and ends stepping.
  void Assign(const std::vector<TSearchEntry>& Searches);
  void Clear();

  // Typing is what the lines hold now, kept when stepping starts. Nothing
  // when there is no search to show.
  std::optional<TSearchEntry> Back(const TSearchEntry& Typing);
  // Nothing when not stepping.
  std::optional<TSearchEntry> Forward();
  // The user changed the lines: the next Back starts again at the newest.
  void StopStepping() { FPlace.reset(); }

  bool Stepping() const { return FPlace.has_value(); }
  const std::vector<TSearchEntry>& Searches() const { return FSearches; }

 private:
  std::vector<TSearchEntry> FSearches;
  std::optional<std::size_t> FPlace;  // index into FSearches while stepping
  TSearchEntry FTyping;
};
