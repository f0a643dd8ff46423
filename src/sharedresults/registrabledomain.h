// The registrable domain of a host name (google.com for maps.google.com,
// google.co.uk for www.google.co.uk), from the Public Suffix List that
// libpsl carries built in. Pure; any thread.
#pragma once

#include <string>
#include <string_view>

// Host in ASCII (punycode for international names), any case; an IPv6
// address with or without its brackets. An IP address (without brackets),
// a public suffix itself, a name the list cannot place or a name with
// non-ASCII characters answers the host itself, in lower case.
std::u16string RegistrableDomain(std::u16string_view Host);

// The registrable domain's first label: "google" for www.google.co.uk.
std::u16string SiteName(std::u16string_view Host);
