#include "browsing/browseridentity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(BrowserIdentity, UserAgentLosesOnlyTheQtWebEngineToken) {
  struct Case {
    const char16_t* Engine;
    const char16_t* Agent;
    const char* Reason;
  };
  const Case Cases[] = {
      {u"Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) QtWebEngine/6.4.2 "
       u"Chrome/102.0.5005.177 Safari/537.36",
       u"Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/102.0.5005.177 "
       u"Safari/537.36",
       "Qt 6.4 on Linux"},
      {u"Mozilla/5.0 Chrome/102.0 Safari/537.36", u"Mozilla/5.0 Chrome/102.0 Safari/537.36", "no token"},
      {u"Mozilla/5.0 Chrome/102.0 QtWebEngine/6.4.2", u"Mozilla/5.0 Chrome/102.0", "token at the end"},
      {u"QtWebEngine/6.4.2", u"", "token alone"},
      {u"", u"", "empty"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Reason);
    EXPECT_EQ(BrowserUserAgent(C.Engine), std::u16string(C.Agent));
  }
}

TEST(BrowserIdentity, AcceptLanguageFollowsTheUsersLanguages) {
  struct Case {
    std::vector<std::u16string> Languages;
    const char16_t* Header;
    const char* Reason;
  };
  const Case Cases[] = {
      {{u"de-DE", u"de", u"en-US", u"en"}, u"de-DE,de,en-US,en", "order kept"},
      {{u"fr_CA", u"fr"}, u"fr-CA,fr", "underscore becomes a hyphen"},
      {{u"en-US", u"en_US", u"en"}, u"en-US,en", "each language once"},
      {{}, u"en-US,en", "the locale gives none"},
      {{u"C"}, u"en-US,en", "the C locale"},
      {{u"POSIX", u"*", u""}, u"en-US,en", "nothing that names a language"},
      {{u"nl-NL", u"nl;q=1", u"x y"}, u"nl-NL", "header syntax in a tag is dropped"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Reason);
    EXPECT_EQ(AcceptLanguage(C.Languages), std::u16string(C.Header));
  }
}

}  // namespace
