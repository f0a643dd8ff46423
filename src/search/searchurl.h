// SearchUrl: the URL one engine slot navigates to for a query.
//
// The query is appended to the search command and the whole is encoded with
// TUri::URLEncode, as a plain prefix. So that the engine receives exactly the
// text typed, the query's own characters that would change the URL's
// structure are percent-encoded as UTF-8 first: where the query lands in the
// parameters (the command holds a "?"), "&", "=" and "+"; where it lands in
// the path or document, "/", "?", "#" and "\". "%" and "#" in the parameters
// are encoded by the encoder itself. A query without those characters gives
// exactly URLEncode(Command + Query). A command whose query would land
// anywhere else (in the host, or in a bookmark) is encoded as it stands.
//
// Only http and https URLs are searched: any other scheme throws
// EUriException, as a command without scheme or host does (URLEncode's
// errors pass through). Pure function, safe from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>


std::u16string SearchUrl(std::u16string_view Command, std::u16string_view Query);

// The origin ("https://host" or "http://host:port", the scheme in lower
// case) a search with Command goes to, or nothing when Command gives no
// http or https URL.
std::optional<std::u16string> SearchOrigin(std::u16string_view Command);
