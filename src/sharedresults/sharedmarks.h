// Which links of the three panes show a result that another pane shows too.
//
// Each pane gives its page's host and its links (absolute addresses, in page
// order); the answer holds, for each link, the labels of the other slots
// whose pages show the same canonical result address (resultaddress.h), in
// slot order, joined by one space ("Bing Yahoo"), or an empty text. Links
// that do not count (not http or https, on the pane's own engine site) are
// never marked and mark nothing. A pane that takes no part gives no links.
// Pure; any thread.
#pragma once

#include "settings/engineslots.h"

#include <string>
#include <string_view>
#include <vector>

struct TPaneLinks {
  std::u16string PageHost;
  std::vector<std::u16string> Links;
};

using TSharedMarks = TPerSlot<std::vector<std::u16string>>;

TSharedMarks SharedResultMarks(const TPerSlot<TPaneLinks>& Panes);
