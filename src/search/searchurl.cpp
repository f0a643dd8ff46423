#include "search/searchurl.h"

#include "uri/uri.h"

#include <algorithm>

namespace {

// A character that every part passes unencoded, standing in for the query
// to find where the query lands.
constexpr char16_t StandIn = u'x';

bool EqualsIgnoringCase(std::u16string_view A, std::u16string_view Lower) {
  return A.size() == Lower.size() && std::equal(A.begin(), A.end(), Lower.begin(), [](char16_t C, char16_t L) {
           return (C >= u'A' && C <= u'Z' ? static_cast<char16_t>(C + 32) : C) == L;
         });
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
  if (!EqualsIgnoringCase(Cut.Protocol(), u"http") && !EqualsIgnoringCase(Cut.Protocol(), u"https") &&
      !Cut.Protocol().empty())
    throw EUriException("Protocol is not http or https");

  // The stand-in ends the text, so it ends the parameters when there are
  // any, else the document unless a bookmark took it.
  const bool InParams = !Cut.Params().empty();
  const bool InDocument = !InParams && Cut.Bookmark().empty() && !Cut.Document().empty();
  if (!InParams && !InDocument) return TUri::URLEncode(std::u16string(Command) + std::u16string(Query));

  std::u16string Url = TUri::URLEncode(Probe);
  Url.pop_back();  // the stand-in, which both encoders pass as it is
  return Url + EncodeValue(Query, InParams);
}
