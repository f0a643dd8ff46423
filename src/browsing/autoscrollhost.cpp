#include "browsing/autoscrollhost.h"

#include "uri/uri.h"

#include <algorithm>

namespace {

char16_t AsciiLower(char16_t C) { return C >= u'A' && C <= u'Z' ? static_cast<char16_t>(C - u'A' + u'a') : C; }

bool EqualIgnoringCase(std::u16string_view A, std::u16string_view B) {
  return std::equal(A.begin(), A.end(), B.begin(), B.end(),
                    [](char16_t X, char16_t Y) { return AsciiLower(X) == AsciiLower(Y); });
}

}  // namespace

bool AutoScrollApplies(std::u16string_view PageUrl, std::u16string_view SearchCommand) {
  const TUri Page(PageUrl);
  if (EqualIgnoringCase(Page.Protocol(), u"file")) return true;
  const TUri Command(SearchCommand);
  return !Page.Host().empty() && EqualIgnoringCase(Page.Host(), Command.Host());
}
