#include "engines/commandcheck.h"
#include "search/searchurl.h"
#include "uri/uri.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  std::u16string Command;
  TCommandProblem Problem;
  const char* Why;
};

const Case Cases[] = {
    // What the encoder refuses.
    {u"", TCommandProblem::NoSchemeOrHost, "empty"},
    {u"localhost:8765/search?q=", TCommandProblem::NoSchemeOrHost, "no scheme, a port after the host"},
    {u"www.example.com/search?q=", TCommandProblem::NoSchemeOrHost, "no scheme"},
    {u"https:/example.com/?q=", TCommandProblem::NoSchemeOrHost, "one slash short"},
    {u"https://", TCommandProblem::NoSchemeOrHost, "a scheme and nothing else"},
    {u"http:///search?q=", TCommandProblem::NoSchemeOrHost, "empty host"},
    {u"http://:8080/search?q=", TCommandProblem::NoSchemeOrHost, "a port but no host"},
    {u"https://example.com/\xD800/?q=", TCommandProblem::BrokenText, "an unpaired surrogate in the path"},
    // What the search refuses once the encoder took it.
    {u"htp://example.com/search?q=", TCommandProblem::NotWebScheme, "a misspelt scheme"},
    {u"ftp://example.com/search?q=", TCommandProblem::NotWebScheme, "not a web scheme"},
    // Commands that work.
    {u"https://example.com/search?q=", TCommandProblem::None, "the usual form"},
    {u"HTTP://Example.com/?q=", TCommandProblem::None, "schemes in any case"},
    {u"http://localhost:8765/search?q=", TCommandProblem::None, "a port"},
    {u"https://example.com/search/", TCommandProblem::None, "the query lands in the path"},
    {u"https://example.com", TCommandProblem::None, "a bare host: odd, but it searches"},
};

TEST(CommandCheck, SaysWhyACommandCannotWork) {
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    EXPECT_EQ(CheckSearchCommand(C.Command), C.Problem);
  }
}

// The check asks the encoder and the search, so it agrees with them: the
// encoder's refusal is exactly the first two problems, and a command without
// a problem gives a search URL.
TEST(CommandCheck, IsTheEncodersAndTheSearchsOwnRule) {
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    const TCommandProblem Problem = CheckSearchCommand(C.Command);
    bool EncoderRefuses = false;
    try {
      TUri::URLEncode(C.Command);
    } catch (const std::exception&) {
      EncoderRefuses = true;
    }
    EXPECT_EQ(EncoderRefuses, Problem == TCommandProblem::NoSchemeOrHost || Problem == TCommandProblem::BrokenText);
    if (Problem == TCommandProblem::None) {
      EXPECT_NO_THROW(SearchUrl(C.Command, u"solar panels"));
    }
    if (Problem == TCommandProblem::NotWebScheme) {
      EXPECT_THROW(SearchUrl(C.Command, u"solar panels"), EUriException);
    }
  }
}

TEST(CommandCheck, EveryProblemHasAWarningAndNoneHasNone) {
  EXPECT_TRUE(CommandWarning(TCommandProblem::None).empty());
  EXPECT_EQ(CommandWarning(TCommandProblem::NoSchemeOrHost),
            u"needs a scheme and a host, like https://example.com/search?q=");
  for (const TCommandProblem Problem : {TCommandProblem::NotWebScheme, TCommandProblem::BrokenText}) {
    EXPECT_FALSE(CommandWarning(Problem).empty());
  }
}

}  // namespace
