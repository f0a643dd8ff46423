#include "browsing/autoscrollhost.h"

#include <gtest/gtest.h>

namespace {

TEST(AutoScrollHost, OnlyTheEnginesOwnHostAndLocalPagesScroll) {
  struct Case {
    const char16_t* Page;
    const char16_t* Command;
    bool Applies;
    const char* Reason;
  };
  const Case Cases[] = {
      {u"https://www.google.com/search?q=solar", u"https://www.google.com/search?q=", true, "the result page"},
      {u"https://WWW.Google.COM/search?q=x", u"https://www.google.com/search?q=", true, "letter case of the host"},
      {u"http://www.google.com/search?q=x", u"https://www.google.com/search?q=", true, "scheme plays no part"},
      {u"https://www.google.com:8443/x", u"https://www.google.com/search?q=", true, "port plays no part"},
      {u"https://consent.google.com/ml?continue=x", u"https://www.google.com/search?q=", false,
       "consent page on another host of the engine"},
      {u"https://en.wikipedia.org/wiki/Solar", u"https://www.google.com/search?q=", false, "a result followed"},
      {u"https://google.com/search?q=x", u"https://www.google.com/search?q=", false, "a parent domain is another host"},
      {u"file:///usr/lib/varnesk/start1.htm", u"https://www.google.com/search?q=", true, "a start page"},
      {u"FILE:///C:/Varnesk/start2.htm", u"", true, "a start page, any command"},
      {u"about:blank", u"https://www.google.com/search?q=", false, "no host"},
      {u"https://www.google.com/search?q=x", u"", false, "no command"},
      {u"https://www.google.com/search?q=x", u"www.google.com/search?q=", false, "command without a scheme"},
      {u"", u"", false, "nothing at all"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Reason);
    EXPECT_EQ(AutoScrollApplies(C.Page, C.Command), C.Applies);
  }
}

}  // namespace
