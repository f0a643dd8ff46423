#include "sharedresults/resultaddress.h"

#include "sharedresults/registrabledomain.h"
#include "uri/byteencoding.h"
#include "uri/uri.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace {

// A link cut into the parts the rules look at.
struct TLink {
  std::u16string Scheme;  // lower case
  std::u16string Host;    // lower case
  std::u16string Port;
  std::u16string Path;    // path and document
  std::u16string Params;  // without "?"
};

std::u16string Lower(std::u16string Text) {
  for (char16_t& c : Text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
  }
  return Text;
}

bool IsHostCharacter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'_' || c == u':';
}

// Only an absolute http or https link with a well-formed host and port. The
// fragment goes first: a "#" ends the address wherever it stands.
std::optional<TLink> Cut(std::u16string_view Text) {
  const TUri uri(Text.substr(0, Text.find(u'#')));
  TLink link{Lower(uri.Protocol()), Lower(uri.Host()), uri.Port(), uri.Path() + uri.Document(), uri.Params()};
  if ((link.Scheme != u"http" && link.Scheme != u"https") || link.Host.empty()) return std::nullopt;
  if (!std::all_of(link.Host.begin(), link.Host.end(), IsHostCharacter)) return std::nullopt;
  if (!std::all_of(link.Port.begin(), link.Port.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
    return std::nullopt;
  }
  return link;
}

std::vector<std::u16string_view> Split(std::u16string_view Text, char16_t Separator) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  while (start <= Text.size()) {
    const std::size_t end = std::min(Text.find(Separator, start), Text.size());
    parts.push_back(Text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The raw value of the first parameter called Name, if any.
std::optional<std::u16string_view> Param(std::u16string_view Params, std::u16string_view Name) {
  for (const std::u16string_view pair : Split(Params, u'&')) {
    const std::size_t equals = pair.find(u'=');
    if (equals != std::u16string_view::npos && pair.substr(0, equals) == Name) return pair.substr(equals + 1);
  }
  return std::nullopt;
}

bool IsHex(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// Percent-decoded UTF-8; none for a character outside ASCII or a "%" without
// two hex digits behind it.
std::optional<std::u16string> PercentDecode(std::u16string_view Text) {
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] >= 0x80) return std::nullopt;
    if (Text[i] == u'%' && (i + 2 >= Text.size() || !IsHex(Text[i + 1]) || !IsHex(Text[i + 2]))) return std::nullopt;
  }
  return TUri::URLDecode(Text);
}

// Base64url (or plain base64) without line breaks, padding optional; none
// for any other character.
std::optional<std::u16string> Base64Decode(std::u16string_view Text) {
  while (!Text.empty() && Text.back() == u'=') Text.remove_suffix(1);
  std::string bytes;
  unsigned buffer = 0;
  int bits = 0;
  for (const char16_t c : Text) {
    unsigned value = 0;
    if (c >= u'A' && c <= u'Z') value = c - u'A';
    else if (c >= u'a' && c <= u'z') value = c - u'a' + 26;
    else if (c >= u'0' && c <= u'9') value = c - u'0' + 52;
    else if (c == u'-' || c == u'+') value = 62;
    else if (c == u'_' || c == u'/') value = 63;
    else return std::nullopt;
    buffer = (buffer << 6) | value;
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes.push_back(static_cast<char>((buffer >> bits) & 0xFF));
    }
  }
  if (bits >= 6) return std::nullopt;  // one character alone cannot end a group
  std::u16string text;
  TByteEncoding::UTF8().Decode(bytes, text);
  return text;
}

// One engine's redirect link: which links it wraps and where it keeps the
// target. Add a row for another engine.
struct TRedirectRule {
  std::function<bool(const TLink&)> Wraps;
  std::function<std::optional<std::u16string>(const TLink&)> Target;
};

const std::array<TRedirectRule, 4>& RedirectRules() {
  static const std::array<TRedirectRule, 4> rules{{
      // Google: /url?q=<target> or /url?url=<target> on any Google site.
      {[](const TLink& l) { return l.Path == u"/url" && SiteName(l.Host) == u"google"; },
       [](const TLink& l) -> std::optional<std::u16string> {
         for (const std::u16string_view name : {u"q", u"url"}) {
           const std::optional<std::u16string_view> value = Param(l.Params, name);
           if (value && !value->empty()) return PercentDecode(*value);
         }
         return std::nullopt;
       }},
      // Bing: /ck/a?...&u=a1<base64url of the target>.
      {[](const TLink& l) { return l.Path == u"/ck/a" && SiteName(l.Host) == u"bing"; },
       [](const TLink& l) -> std::optional<std::u16string> {
         const std::optional<std::u16string_view> value = Param(l.Params, u"u");
         if (!value || !value->starts_with(u"a1")) return std::nullopt;
         return Base64Decode(value->substr(2));
       }},
      // Yahoo: .../RU=<percent-encoded target>/RK=... path segments.
      {[](const TLink& l) { return l.Host == u"r.search.yahoo.com"; },
       [](const TLink& l) -> std::optional<std::u16string> {
         for (const std::u16string_view segment : Split(l.Path, u'/')) {
           if (segment.starts_with(u"RU=")) return PercentDecode(segment.substr(3));
         }
         return std::nullopt;
       }},
      // DuckDuckGo: /l/?uddg=<percent-encoded target>.
      {[](const TLink& l) { return (l.Path == u"/l/" || l.Path == u"/l") && SiteName(l.Host) == u"duckduckgo"; },
       [](const TLink& l) -> std::optional<std::u16string> {
         const std::optional<std::u16string_view> value = Param(l.Params, u"uddg");
         if (!value) return std::nullopt;
         return PercentDecode(*value);
       }},
  }};
  return rules;
}

bool IsTrackingParam(std::u16string_view Pair) {
  const std::u16string name = Lower(std::u16string(Pair.substr(0, Pair.find(u'='))));
  return name.starts_with(u"utm_") || name == u"gclid" || name == u"fbclid" || name == u"msclkid";
}

}  // namespace

std::u16string UnwrapRedirect(std::u16string_view Link) {
  const std::optional<TLink> link = Cut(Link);
  if (!link) return std::u16string(Link);
  for (const TRedirectRule& rule : RedirectRules()) {
    if (!rule.Wraps(*link)) continue;
    const std::optional<std::u16string> target = rule.Target(*link);
    if (target && Cut(*target)) return *target;
    break;
  }
  return std::u16string(Link);
}

std::optional<std::u16string> CanonicalResultAddress(std::u16string_view Link, std::u16string_view PageHost) {
  const std::optional<TLink> link = Cut(UnwrapRedirect(Link));
  if (!link) return std::nullopt;
  if (RegistrableDomain(link->Host) == RegistrableDomain(PageHost)) return std::nullopt;

  std::u16string address = link->Host.starts_with(u"www.") ? link->Host.substr(4) : link->Host;
  if (!link->Port.empty() && link->Port != u"80" && link->Port != u"443") address += u":" + link->Port;
  std::u16string_view path = link->Path;
  while (path.ends_with(u'/')) path.remove_suffix(1);
  address += path;
  char16_t separator = u'?';
  for (const std::u16string_view pair : Split(link->Params, u'&')) {
    if (pair.empty() || IsTrackingParam(pair)) continue;
    address += separator;
    address += pair;
    separator = u'&';
  }
  return address;
}
