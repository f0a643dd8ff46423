// Fuzzes what the panes make of text a page or the system hands them: the
// auto-scroll host test on any page URL and command (its answer never
// depends on letter case), the User-Agent without its
// QtWebEngine token, and the Accept-Language header, which always holds
// only tag characters and commas.

#include "browsing/autoscrollhost.h"
#include "browsing/browseridentity.h"
#include "fuzzsupport.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::u16string Text = FuzzText(Data, Size);
  const std::size_t Cut = Text.find(u'\n');
  const std::u16string Page = Text.substr(0, Cut);
  const std::u16string Command = Cut == std::u16string::npos ? std::u16string() : Text.substr(Cut + 1);

  // Letter case never matters: the scheme and the host are compared without it.
  std::u16string Upper = Page;
  for (char16_t& C : Upper) {
    if (C >= u'a' && C <= u'z') C = static_cast<char16_t>(C - u'a' + u'A');
  }
  FUZZ_CHECK(AutoScrollApplies(Page, Command) == AutoScrollApplies(Upper, Command));

  const std::u16string Agent = BrowserUserAgent(Text);
  FUZZ_CHECK(Agent.size() <= Text.size());

  std::vector<std::u16string> Languages;
  for (std::size_t Start = 0; Start <= Text.size();) {
    const std::size_t End = Text.find(u' ', Start);
    Languages.push_back(Text.substr(Start, End - Start));
    if (End == std::u16string::npos) break;
    Start = End + 1;
  }
  const std::u16string Header = AcceptLanguage(Languages);
  FUZZ_CHECK(!Header.empty());
  for (const char16_t C : Header) {
    FUZZ_CHECK((C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z') || (C >= u'0' && C <= u'9') || C == u'-' ||
               C == u',');
  }
  return 0;
}
