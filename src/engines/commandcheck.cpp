#include "engines/commandcheck.h"

#include "search/searchurl.h"
#include "uri/uri.h"

TCommandProblem CheckSearchCommand(std::u16string_view Command) {
  try {
    TUri::URLEncode(Command);
  } catch (const EUriException&) {
    return TCommandProblem::NoSchemeOrHost;
  } catch (const EArgumentException&) {
    return TCommandProblem::BrokenText;
  }
  // The encoder took the command; what is left is the search's own refusal.
  try {
    SearchUrl(Command, u"x");
  } catch (const EUriException&) {
    return TCommandProblem::NotWebScheme;
  }
  return TCommandProblem::None;
}

std::u16string_view CommandWarning(TCommandProblem Problem) {
  switch (Problem) {
    case TCommandProblem::None: return {};
    case TCommandProblem::NoSchemeOrHost: return u"needs a scheme and a host, like https://example.com/search?q=";
    case TCommandProblem::NotWebScheme: return u"searches only http:// and https:// addresses";
    case TCommandProblem::BrokenText: return u"holds a broken character; type it again";
  }
  return {};
}
