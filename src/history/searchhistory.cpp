#include "history/searchhistory.h"

bool TSearchHistory::Add(const TSearchEntry& Search) {
  FPlace.reset();
  if (!FSearches.empty() && FSearches.back() == Search) return false;
  FSearches.push_back(Search);
  if (FSearches.size() > kMaxSearches) FSearches.erase(FSearches.begin());
  return true;
}

void TSearchHistory::Assign(const std::vector<TSearchEntry>& Searches) {
  Clear();
  for (const TSearchEntry& Search : Searches) Add(Search);
}

void TSearchHistory::Clear() {
  FSearches.clear();
  FPlace.reset();
}

std::optional<TSearchEntry> TSearchHistory::Back(const TSearchEntry& Typing) {
  if (FSearches.empty()) return std::nullopt;
  if (!FPlace) {
    FTyping = Typing;
    FPlace = FSearches.size() - 1;
  } else if (*FPlace > 0) {
    --*FPlace;
  }
  return FSearches[*FPlace];
}

std::optional<TSearchEntry> TSearchHistory::Forward() {
  if (!FPlace) return std::nullopt;
  if (*FPlace + 1 < FSearches.size()) return FSearches[++*FPlace];
  FPlace.reset();
  return FTyping;
}
