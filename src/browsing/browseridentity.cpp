#include "browsing/browseridentity.h"

#include <algorithm>

namespace {

constexpr std::u16string_view kQtToken = u"QtWebEngine/";

bool IsLanguageTag(std::u16string_view Tag) {
  if (Tag.empty() || Tag == u"C" || Tag == u"POSIX" || Tag == u"*") return false;
  return std::all_of(Tag.begin(), Tag.end(), [](char16_t C) {
    return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z') || (C >= u'0' && C <= u'9') || C == u'-';
  });
}

}  // namespace

std::u16string BrowserUserAgent(std::u16string_view EngineUserAgent) {
  std::u16string Agent(EngineUserAgent);
  const std::size_t At = Agent.find(kQtToken);
  if (At == std::u16string::npos) return Agent;
  std::size_t End = Agent.find(u' ', At);
  if (End == std::u16string::npos) {
    End = Agent.size();
    // The token ends the text: the space before it goes with it.
    const std::size_t Start = At > 0 && Agent[At - 1] == u' ' ? At - 1 : At;
    Agent.erase(Start, End - Start);
    return Agent;
  }
  Agent.erase(At, End + 1 - At);
  return Agent;
}

std::u16string AcceptLanguage(const std::vector<std::u16string>& UiLanguages) {
  std::vector<std::u16string> Tags;
  for (std::u16string Tag : UiLanguages) {
    std::replace(Tag.begin(), Tag.end(), u'_', u'-');
    if (!IsLanguageTag(Tag)) continue;
    if (std::find(Tags.begin(), Tags.end(), Tag) == Tags.end()) Tags.push_back(Tag);
  }
  if (Tags.empty()) return u"en-US,en";
  std::u16string Header;
  for (const std::u16string& Tag : Tags) {
    if (!Header.empty()) Header += u',';
    Header += Tag;
  }
  return Header;
}
