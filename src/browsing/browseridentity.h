// The panes' identity on the wire: the User-Agent and Accept-Language
// headers they send.
//
// BrowserUserAgent takes the browser's own User-Agent and drops its
// "QtWebEngine/x.y" token, which engines and bot filters read as a robot,
// so the panes present themselves as the Chromium they are.
// AcceptLanguage joins the user's languages ("de-DE", "de_AT", ...) into
// the header's comma list, in order, with "-" between language and region
// and each language once; languages that name no language ("C", "POSIX",
// "*", empty) are skipped, and "en-US,en" stands in when none is left.
// Pure.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::u16string BrowserUserAgent(std::u16string_view EngineUserAgent);
std::u16string AcceptLanguage(const std::vector<std::u16string>& UiLanguages);
