#include "engines/enginepresets.h"

#include "settings/engineslots.h"

#include <array>

namespace {

constexpr std::array<TEnginePreset, 10> Presets{{
    {SlotLabel[0], DefaultSearchCommand[0]},
    {SlotLabel[1], DefaultSearchCommand[1]},
    {SlotLabel[2], DefaultSearchCommand[2]},
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
