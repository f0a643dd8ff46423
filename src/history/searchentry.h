// TSearchEntry: one search as the user typed it: the words line and the
// excluded-words line, before any composition. A plain value.
#pragma once

#include <string>

struct TSearchEntry {
  std::u16string Words;
  std::u16string Excluded;

  friend bool operator==(const TSearchEntry&, const TSearchEntry&) = default;
};
