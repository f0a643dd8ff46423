// AutoScrollApplies: whether page completion may scroll a pane's page.
//
// Only an engine's own result pages are laid out for the slot's scroll
// distance: a page whose host equals the host of the slot's search command
// (letter case aside), or a local page (the start pages, "file:" URLs).
// Any other page, such as an engine's consent or bot-check page on another
// of its hosts or a result the user followed, is left where it is. A URL
// without a host, or a command without one, matches nothing. Pure.
#pragma once

#include <string_view>

bool AutoScrollApplies(std::u16string_view PageUrl, std::u16string_view SearchCommand);
