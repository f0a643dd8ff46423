// The shared-result rules on any links and page hosts: nothing throws or
// fails, every link gets exactly one mark, a mark names only other slots,
// and a canonical address holds no fragment.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzsupport.h"
#include "sharedresults/resultaddress.h"
#include "sharedresults/sharedmarks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  // Lines of the text are links; a line starting with "@" starts the next
  // pane and names its page host.
  const std::u16string text = FuzzText(AData, ASize);
  TPerSlot<TPaneLinks> panes;
  std::size_t pane = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(u'\n', start), text.size());
    const std::u16string line = text.substr(start, end - start);
    if (!line.empty() && line.front() == u'@') {
      if (++pane == panes.size()) break;
      panes[pane].PageHost = line.substr(1);
    } else {
      panes[pane].Links.push_back(line);
      if (const auto address = CanonicalResultAddress(line, panes[pane].PageHost)) {
        FUZZ_CHECK(address->find(u'#') == std::u16string::npos);
      }
    }
    start = end + 1;
  }
  const TSharedMarks marks = SharedResultMarks(panes);
  for (std::size_t p = 0; p < panes.size(); ++p) {
    FUZZ_CHECK(marks[p].size() == panes[p].Links.size());
    for (const std::u16string& also : marks[p]) FUZZ_CHECK(also.find(SlotLabel[p]) == std::u16string::npos);
  }
  return 0;
}
