#include "engines/commandcheck.h"
#include "engines/enginepresets.h"
#include "settings/settings.h"
#include "uri/uri.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Ascii(std::u16string_view Text) { return {Text.begin(), Text.end()}; }

TEST(EnginePresets, TheMenuListsTheEnginesInOrder) {
  std::vector<std::u16string_view> Names;
  for (const TEnginePreset& Preset : EnginePresets()) Names.push_back(Preset.Name);
  EXPECT_EQ(Names, (std::vector<std::u16string_view>{u"Google", u"Bing", u"Yahoo", u"DuckDuckGo", u"Brave Search",
                                                      u"Startpage", u"Ecosia", u"Qwant", u"Mojeek",
                                                      u"Wikipedia (English)"}));
}

TEST(EnginePresets, TheSlotsEnginesGiveTheDefaultCommands) {
  const auto Presets = EnginePresets();
  EXPECT_EQ(Presets[0].Command, DefaultSearchCommand1);
  EXPECT_EQ(Presets[1].Command, DefaultSearchCommand2);
  EXPECT_EQ(Presets[2].Command, DefaultSearchCommand3);
}

// Each command is an https prefix ending in its query key: the encoder
// forms a URL of it with the query as that key's value, and the settings
// window shows no warning for it.
TEST(EnginePresets, EveryCommandFormsAnHttpsSearchUrl) {
  for (const TEnginePreset& Preset : EnginePresets()) {
    SCOPED_TRACE(Ascii(Preset.Name));
    const std::u16string Command(Preset.Command);
    ASSERT_TRUE(Command.ends_with(u'='));
    const std::u16string Url = TUri::URLEncode(Command + u"solar panels");
    EXPECT_EQ(Ascii(Url), Ascii(Command + u"solar%20panels"));
    const TUri Cut(Url);
    EXPECT_EQ(Ascii(Cut.Protocol()), "https");
    EXPECT_FALSE(Cut.Host().empty());
    EXPECT_TRUE(Cut.Params().ends_with(u"=solar%20panels"));
    EXPECT_EQ(CheckSearchCommand(Command), TCommandProblem::None);
  }
}

}  // namespace
