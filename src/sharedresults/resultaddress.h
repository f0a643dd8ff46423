// Canonical result addresses: the form in which links that lead to the same
// result compare equal, whichever engine showed them and however it wrapped
// them.
//
// First an engine's redirect link is unwrapped to its target (the rule table
// in resultaddress.cpp); a wrapper whose target does not decode stays as it
// is. Then the address is normalised: http and https alike, the host in
// lower case without "www.", no default port, no fragment, no trailing "/",
// no tracking parameters (utm_*, gclid, fbclid, msclkid), the other
// parameters in their order. Pure; any thread; any input, no exceptions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The target of an engine's redirect link, or Link itself.
std::u16string UnwrapRedirect(std::u16string_view Link);

// The canonical address of an absolute link, written host[:port]path[?params]:
// none when the link is not http or https, or when its target lies on the
// registrable domain of PageHost (the engine's own site).
std::optional<std::u16string> CanonicalResultAddress(std::u16string_view Link, std::u16string_view PageHost);
