#include "sharedresults/registrabledomain.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Narrow(const std::u16string& Text) { return std::string(Text.begin(), Text.end()); }

struct TDomainCase {
  std::u16string Host;
  std::u16string Domain;
  std::u16string Site;
  const char* Why;
};

TEST(RegistrableDomain, FollowsThePublicSuffixList) {
  const TDomainCase cases[] = {
      {u"www.google.com", u"google.com", u"google", "a subdomain of a generic top-level domain"},
      {u"maps.google.com", u"google.com", u"google", "another service of the same site"},
      {u"www.google.co.uk", u"google.co.uk", u"google", "a two-label public suffix"},
      {u"WWW.Bing.COM", u"bing.com", u"bing", "host names compare in lower case"},
      {u"r.search.yahoo.com", u"yahoo.com", u"yahoo", "deeper subdomains"},
      {u"alice.github.io", u"alice.github.io", u"alice", "a private suffix: each user's site is its own"},
      {u"co.uk", u"co.uk", u"co", "a public suffix alone stays as it is"},
      {u"localhost", u"localhost", u"localhost", "a single label"},
      {u"127.0.0.1", u"127.0.0.1", u"127", "an IPv4 address is not cut at its dots"},
      {u"::1", u"::1", u"::1", "an IPv6 address"},
      {u"[::1]", u"::1", u"::1", "an IPv6 address as a page's location writes it"},
      {u"b\u00fccher.de", u"b\u00fccher.de", u"b\u00fccher", "a non-ASCII name is not looked up"},
      {u"", u"", u"", "no host"},
  };
  for (const TDomainCase& c : cases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(Narrow(RegistrableDomain(c.Host)), Narrow(c.Domain));
    EXPECT_EQ(Narrow(SiteName(c.Host)), Narrow(c.Site));
  }
}

}  // namespace
