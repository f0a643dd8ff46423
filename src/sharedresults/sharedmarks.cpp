#include "sharedresults/sharedmarks.h"

#include "sharedresults/resultaddress.h"

#include <optional>
#include <unordered_set>

TSharedMarks SharedResultMarks(const TPerSlot<TPaneLinks>& Panes) {
  TPerSlot<std::vector<std::optional<std::u16string>>> addresses;
  TPerSlot<std::unordered_set<std::u16string>> shown;
  for (std::size_t p = 0; p < Panes.size(); ++p) {
    addresses[p].reserve(Panes[p].Links.size());
    for (const std::u16string& link : Panes[p].Links) {
      addresses[p].push_back(CanonicalResultAddress(link, Panes[p].PageHost));
      if (addresses[p].back()) shown[p].insert(*addresses[p].back());
    }
  }
  TSharedMarks marks;
  for (std::size_t p = 0; p < Panes.size(); ++p) {
    marks[p].reserve(addresses[p].size());
    for (const std::optional<std::u16string>& address : addresses[p]) {
      std::u16string also;
      for (std::size_t other = 0; address && other < Panes.size(); ++other) {
        if (other == p || !shown[other].contains(*address)) continue;
        if (!also.empty()) also += u' ';
        also += SlotLabel[other];
      }
      marks[p].push_back(std::move(also));
    }
  }
  return marks;
}
