#include "search/searchurl.h"

#include "uri/uri.h"

#include <algorithm>

namespace {

// A character that every part passes unencoded, standing in for the query
// to find where the query lands.
constexpr char16_t StandIn = u'x';

std::u16string Lower(std::u16string_view Text) {
  std::u16string Out(Text);
  for (char16_t& C : Out)
    if (C >= u'A' && C <= u'Z') C = static_cast<char16_t>(C + 32);
  return Out;
}

bool IsWebScheme(std::u16string_view Protocol) {
  const std::u16string Scheme = Lower(Protocol);
  return Scheme == u"http" || Scheme == u"https";
}

// Text encoded by the part's encoder, with the characters it lets pass that
// would still cut the value short escaped too.
std::u16string EncodeValue(std::u16string_view Text, bool InParams) {
  const std::u16string Encoded = InParams ? TUri::ParamsEncode(Text) : TUri::PathEncode(Text);
  const std::u16string_view Structural = InParams ? u"&=+" : u"/?";
  std::u16string Out;
  Out.reserve(Encoded.size());
  for (const char16_t C : Encoded) {
    if (Structural.find(C) == std::u16string_view::npos) {
      Out.push_back(C);
    } else {
      // ASCII: one byte, written as two upper-case hexadecimal digits.
      constexpr char16_t Hex[] = u"0123456789ABCDEF";
      Out += {u'%', Hex[C >> 4], Hex[C & 0x0F]};
    }
  }
  return Out;
}

}  // namespace

std::u16string SearchUrl(std::u16string_view Command, std::u16string_view Query) {
  std::u16string Probe(Command);
  Probe.push_back(StandIn);
  const TUri Cut(Probe);
  if (!Cut.Protocol().empty() && !IsWebScheme(Cut.Protocol())) throw EUriException("Protocol is not http or https");

  // The stand-in ends the text, so it ends the parameters when there are
  // any, else the document unless a bookmark took it.
  const bool InParams = !Cut.Params().empty();
  const bool InDocument = !InParams && Cut.Bookmark().empty() && !Cut.Document().empty();
  if (!InParams && !InDocument) return TUri::URLEncode(std::u16string(Command) + std::u16string(Query));

  std::u16string Url = TUri::URLEncode(Probe);
  Url.pop_back();  // the stand-in, which both encoders pass as it is
  return Url + EncodeValue(Query, InParams);
}

std::optional<std::u16string> SearchOrigin(std::u16string_view Command) {
  try {
    // The URL of a one-character search: the command's own parts decide.
    const TUri Url(SearchUrl(Command, u"x"));
    if (Url.Host().empty() || !IsWebScheme(Url.Protocol())) return std::nullopt;
    const bool Bracketed = Url.IPVersion() == IPv6;
    std::u16string Origin = Lower(Url.Protocol()) + u"://" + (Bracketed ? u"[" + Url.Host() + u"]" : Url.Host());
    if (!Url.Port().empty()) Origin += u':' + Url.Port();
    return Origin;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}
