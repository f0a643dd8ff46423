// TSearchState: what a search leaves behind for the next one and for the
// engines' workers.
//
// SearchText is the composed query of the latest search, UTF-16, written only
// by the composition on the UI thread; the dispatch hands each worker a copy. ExcludedWords
// holds the terms split from the excluded-words line in the order they stand
// there: ExcludedWords[0] is term 1, up to term 100; entries from index
// ExcludedCount on are empty. A line with more than 100 terms keeps the first
// 100. Both are rebuilt by every split and left alone by a search whose
// excluded-words line is empty. One instance lives for the whole run, owned
// by the application.
#pragma once

#include <array>
#include <string>

struct TSearchState {
  static constexpr int MaxExcludedWords = 100;

  std::u16string SearchText;
  std::array<std::u16string, MaxExcludedWords> ExcludedWords;
  int ExcludedCount = 0;
};
