// Cut and join any text: the cut never fails, its parts keep the
// separators' rules, the join refuses exactly an empty protocol or host, and
// cutting a joined URI gives the same parts back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzsupport.h"
#include "uri/uri.h"

namespace {

using TView = std::u16string_view;

bool Has(TView AText, TView APart) { return AText.find(APart) != TView::npos; }

void CheckParts(const TUri& AUri, bool AAbsolute) {
  FUZZ_CHECK(!Has(AUri.Document(), u"/") && !Has(AUri.Document(), u"#"));
  FUZZ_CHECK(AUri.Path().empty() || AUri.Path().back() == u'/');
  if (!AAbsolute) {
    FUZZ_CHECK(AUri.Host().empty() && AUri.Port().empty() && AUri.Username().empty() && AUri.Password().empty());
    FUZZ_CHECK(AUri.IPVersion() == IPv4);
    return;
  }
  FUZZ_CHECK(!Has(AUri.Protocol(), u"://"));
  FUZZ_CHECK(AUri.Path().front() == u'/');
  FUZZ_CHECK(!Has(AUri.Bookmark(), u"?") && !Has(AUri.Bookmark(), u"/"));
  for (const TView Part : {TView(AUri.Username()), TView(AUri.Password()), TView(AUri.Host()), TView(AUri.Port())})
    FUZZ_CHECK(!Has(Part, u"/") && !Has(Part, u"?"));
  FUZZ_CHECK(!Has(AUri.Username(), u":"));
  FUZZ_CHECK(!AUri.Username().empty() || AUri.Password().empty());
  FUZZ_CHECK(!Has(AUri.Host(), u"@") && !Has(AUri.Port(), u"@"));
  if (AUri.IPVersion() == IPv6)
    FUZZ_CHECK(!Has(AUri.Host(), u"]"));
  else
    FUZZ_CHECK(!Has(AUri.Host(), u":"));
}

std::string JoinError(const TUri& AUri) {
  if (AUri.Protocol().empty()) return "Protocol field is empty";
  if (AUri.Host().empty()) return "Host field is empty";
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  const std::u16string Text = FuzzText(AData, ASize);
  const TUri Uri(Text);
  std::u16string Normalized = Text;
  TUri::NormalizePath(Normalized);
  CheckParts(Uri, Has(Normalized, u"://"));

  std::u16string Full;
  std::u16string Short;
  std::string Error;
  try {
    Full = Uri.GetFullURI({ofAuthInfo, ofBookmark});
    Short = Uri.URI();
  } catch (const EUriException& E) {
    Error = E.what();
  }
  FUZZ_CHECK(Error == JoinError(Uri));
  if (!Error.empty()) return 0;

  const std::u16string Head = Uri.Protocol() + u"://";
  const std::u16string Tail =
      Uri.GetPathAndParams() + (Uri.Bookmark().empty() ? std::u16string() : u"#" + Uri.Bookmark());
  FUZZ_CHECK(Full.starts_with(Head) && Full.ends_with(Tail) && Full.size() >= Head.size() + Tail.size());
  FUZZ_CHECK(Short.starts_with(Head) && Short.ends_with(Uri.GetPathAndParams()));

  // Without backslashes the normalisation changes nothing, and the join
  // cuts back into the same parts, but for a dropped default port and a
  // bookmark that now follows the parameters.
  if (Has(Text, u"\\")) return 0;
  const TUri Again(Full);
  FUZZ_CHECK(Again.Protocol() == Uri.Protocol());
  FUZZ_CHECK(Again.Username() == Uri.Username());
  FUZZ_CHECK(Again.Password() == Uri.Password());
  FUZZ_CHECK(Again.Host() == Uri.Host());
  FUZZ_CHECK(Again.IPVersion() == Uri.IPVersion());
  FUZZ_CHECK(Again.Port() == Uri.Port() ||
             (Again.Port().empty() && (Uri.Port() == u"80" || Uri.Port() == u"443" || Uri.Port() == u"21")));
  FUZZ_CHECK(Again.Path() == Uri.Path());
  FUZZ_CHECK(Again.Document() == Uri.Document());
  if (!Uri.Params().empty() && !Uri.Bookmark().empty()) {
    FUZZ_CHECK(Again.Params() == Uri.Params() + u"#" + Uri.Bookmark());
    FUZZ_CHECK(Again.Bookmark().empty());
  } else {
    FUZZ_CHECK(Again.Params() == Uri.Params());
    FUZZ_CHECK(Again.Bookmark() == Uri.Bookmark());
  }
  FUZZ_CHECK(TUri(Short).URI() == Short);
  return 0;
}
