#include "engines/enginepresets.h"

#include "settings/settings.h"

#include <array>

namespace {

constexpr std::array<TEnginePreset, 10> Presets{{
    {u"Google", DefaultSearchCommand1},
    {u"Bing", DefaultSearchCommand2},
    {u"Yahoo", DefaultSearchCommand3},
    {u"DuckDuckGo", u"https://duckduckgo.com/?q="},
    {u"Brave Search", u"https://search.brave.com/search?q="},
    {u"Startpage", u"https://www.startpage.com/sp/search?query="},
    {u"Ecosia", u"https://www.ecosia.org/search?q="},
    {u"Qwant", u"https://www.qwant.com/?q="},
    {u"Mojeek", u"https://www.mojeek.com/search?q="},
    {u"Wikipedia (English)", u"https://en.wikipedia.org/w/index.php?search="},
}};

}  // namespace

std::span<const TEnginePreset> EnginePresets() { return Presets; }
