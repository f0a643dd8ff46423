#include "sharedresults/resultaddress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

std::string Narrow(std::u16string_view Text) {
  std::string out;
  for (const char16_t c : Text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

std::string Shown(const std::optional<std::u16string>& Address) { return Address ? Narrow(*Address) : "(none)"; }

struct TUnwrapCase {
  std::u16string Link;
  std::u16string Target;  // empty: the link stays as it is
  const char* Why;
};

TEST(UnwrapRedirect, FindsEachEnginesTarget) {
  const TUnwrapCase cases[] = {
      // Google.
      {u"https://www.google.com/url?q=https://en.wikipedia.org/wiki/Rust&sa=U&ved=2ah",
       u"https://en.wikipedia.org/wiki/Rust", "Google, target in q"},
      {u"https://www.google.co.uk/url?sa=t&url=https%3A%2F%2Fwww.rust-lang.org%2F%3Fa%3D1%26b%3D2&usg=AOv",
       u"https://www.rust-lang.org/?a=1&b=2", "Google, percent-encoded target in url, on a country site"},
      {u"http://www.google.com:8080/url?q=http://example.org/x", u"http://example.org/x", "Google on another port"},
      {u"https://www.google.com/url?q=%zzbroken", u"", "Google, a broken escape"},
      {u"https://www.google.com/url?q=/search%3Fq%3Dmore", u"", "Google, a target that is no web address"},
      {u"https://www.google.com/url?sa=t", u"", "Google, no target"},
      {u"https://www.google.com/search?q=https://example.org/", u"", "Google, not the redirect path"},
      {u"https://google.example.org/url?q=https://example.net/", u"", "not a Google site"},
      // Bing.
      {u"https://www.bing.com/ck/a?!&&p=5f3e&ptn=3&u=a1aHR0cHM6Ly93d3cucnVzdC1sYW5nLm9yZy8&ntb=1",
       u"https://www.rust-lang.org/", "Bing, base64url without padding"},
      {u"https://www.bing.com/ck/a?u=a1aHR0cHM6Ly93d3cucnVzdC1sYW5nLm9yZy8=", u"https://www.rust-lang.org/",
       "Bing, with padding"},
      {u"https://www.bing.com/ck/a?u=a1aHR0cHM6Ly9kZS53aWtpcGVkaWEub3JnL3dpa2kvS8Okc2U",
       u"https://de.wikipedia.org/wiki/K\u00e4se", "Bing, a UTF-8 target"},
      {u"https://www.bing.com/ck/a?u=a1aHR0cHM6Ly93d3cu*nVzdC1", u"", "Bing, a character outside base64"},
      {u"https://www.bing.com/ck/a?u=a1bm90IGEgdXJs", u"", "Bing, a decoded text that is no web address"},
      {u"https://www.bing.com/ck/a?u=aHR0cHM6Ly93d3cucnVzdC1sYW5nLm9yZy8", u"", "Bing, no a1 prefix"},
      {u"https://www.bing.com/ck/a?u=a1aHR0c", u"", "Bing, a truncated group"},
      // Yahoo.
      {u"https://r.search.yahoo.com/_ylt=AwrE;_ylu=Y29s/RV=2/RE=1700000000/RO=10/"
       u"RU=https%3a%2f%2fen.wikipedia.org%2fwiki%2fRust/RK=2/RS=abc-",
       u"https://en.wikipedia.org/wiki/Rust", "Yahoo, lower-case escapes"},
      {u"https://r.search.yahoo.com/_ylt=A/RU=https%3A%2F%2Fexample.org%2F%3Fq%3D1/RK=2/RS=x", u"https://example.org/?q=1",
       "Yahoo, a target with parameters"},
      {u"https://r.search.yahoo.com/_ylt=A/RU=https%3A%2/RK=2/RS=x", u"", "Yahoo, a cut escape"},
      {u"https://r.search.yahoo.com/_ylt=A/RK=2/RS=x", u"", "Yahoo, no RU segment"},
      {u"https://search.yahoo.com/RU=https%3A%2F%2Fexample.org%2F/RK=2", u"", "Yahoo, not the redirect host"},
      // DuckDuckGo.
      {u"https://duckduckgo.com/l/?uddg=https%3A%2F%2Fwww.rust-lang.org%2Flearn&rut=abc",
       u"https://www.rust-lang.org/learn", "DuckDuckGo"},
      {u"https://duckduckgo.com/l/?uddg=https%3A%2F%2Fexample.org%2F%E4", u"https://example.org/\ufffd",
       "DuckDuckGo, a stray byte becomes a replacement character"},
      {u"https://duckduckgo.com/l/?kh=-1", u"", "DuckDuckGo, no target"},
      // Anything else.
      {u"https://en.wikipedia.org/wiki/Rust", u"", "a direct link"},
      {u"javascript:void(0)", u"", "not a web link"},
      {u"", u"", "nothing"},
  };
  for (const TUnwrapCase& c : cases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(Narrow(UnwrapRedirect(c.Link)), Narrow(c.Target.empty() ? c.Link : c.Target));
  }
}

struct TAddressCase {
  std::u16string Link;
  std::u16string PageHost;
  std::optional<std::u16string> Address;
  const char* Why;
};

TEST(CanonicalResultAddress, NormalisesAndExcludes) {
  const TAddressCase cases[] = {
      // Normalisation.
      {u"https://www.Example.ORG/Path/", u"www.bing.com", u"example.org/Path", "host case, www, trailing slash"},
      {u"http://example.org/Path", u"www.bing.com", u"example.org/Path", "http and https alike"},
      {u"https://example.org/", u"www.bing.com", u"example.org", "the root"},
      {u"https://example.org", u"www.bing.com", u"example.org", "no path at all"},
      {u"https://example.org:443/a", u"www.bing.com", u"example.org/a", "a default port"},
      {u"https://example.org:8443/a", u"www.bing.com", u"example.org:8443/a", "another port stays"},
      {u"https://example.org/a#section", u"www.bing.com", u"example.org/a", "no fragment"},
      {u"https://example.org/a?utm_source=x&id=7&gclid=1&UTM_Medium=y&fbclid=2&msclkid=3&b=",
       u"www.bing.com", u"example.org/a?id=7&b=", "tracking parameters go, the others stay in order"},
      {u"https://example.org/a?utm_source=x#top", u"www.bing.com", u"example.org/a", "only tracking parameters"},
      {u"https://example.org/a?b=2&a=1", u"www.bing.com", u"example.org/a?b=2&a=1", "order kept"},
      {u"https://wwwx.example.org/", u"www.bing.com", u"wwwx.example.org", "only a whole www. label goes"},
      // Unwrapped first, then normalised.
      {u"https://www.google.com/url?q=http://www.rust-lang.org/%3Futm_campaign%3Dz", u"www.google.com",
       u"rust-lang.org", "a Google wrapper"},
      {u"https://www.bing.com/ck/a?u=a1aHR0cHM6Ly93d3cucnVzdC1sYW5nLm9yZy8", u"www.bing.com", u"rust-lang.org",
       "a Bing wrapper"},
      // Links that never count.
      {u"https://maps.google.com/maps?q=x", u"www.google.com", std::nullopt, "the engine's own site"},
      {u"https://www.google.co.uk/search?q=x", u"www.google.co.uk", std::nullopt, "a country site's own links"},
      {u"https://www.google.com/url?q=https://support.google.com/", u"www.google.com", std::nullopt,
       "a wrapped link to the engine's own site"},
      {u"https://www.bing.com/ck/a?u=a1broken!", u"www.bing.com", std::nullopt, "a broken wrapper on the own site"},
      {u"https://images.search.yahoo.com/x", u"search.yahoo.com", std::nullopt, "Yahoo's own pages"},
      {u"mailto:someone@example.org", u"www.bing.com", std::nullopt, "not http or https"},
      {u"file:///etc/passwd", u"www.bing.com", std::nullopt, "a local file"},
      {u"https:///nohost", u"www.bing.com", std::nullopt, "no host"},
      {u"https://exa mple.org/", u"www.bing.com", std::nullopt, "a host with a space"},
      {u"https://example.org:8o/", u"www.bing.com", std::nullopt, "a port that is no number"},
      {u"https://example.org#x?y=1/z", u"www.bing.com", u"example.org", "everything after the first # is the fragment"},
      // Another engine's site is a result like any other.
      {u"https://www.google.com/maps", u"www.bing.com", u"google.com/maps", "another engine's site"},
  };
  for (const TAddressCase& c : cases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(Shown(CanonicalResultAddress(c.Link, c.PageHost)), Shown(c.Address));
  }
}

TEST(CanonicalResultAddress, KeepsDifferentResultsApart) {
  const std::pair<std::u16string, std::u16string> pairs[] = {
      {u"https://example.org/a", u"https://example.org/b"},
      {u"https://example.org/a?id=1", u"https://example.org/a?id=2"},
      {u"https://example.org/a?id=1", u"https://example.org/a"},
      {u"https://example.org/a?x=1&y=2", u"https://example.org/a?y=2&x=1"},
      {u"https://example.org/Wiki", u"https://example.org/wiki"},
      {u"https://example.org/a", u"https://en.example.org/a"},
      {u"https://example.org/a", u"https://example.org:8080/a"},
  };
  for (const auto& [first, second] : pairs) {
    SCOPED_TRACE(Narrow(first) + " vs " + Narrow(second));
    EXPECT_NE(CanonicalResultAddress(first, u"www.bing.com"), CanonicalResultAddress(second, u"www.bing.com"));
  }
}

}  // namespace
