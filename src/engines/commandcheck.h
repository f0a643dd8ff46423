// CheckSearchCommand: whether a slot's search command can lead anywhere,
// for the settings window to say so while the user types.
//
// The rule is the search's own, asked rather than restated: the encoder
// refuses the command itself (no scheme, no host, empty: TUri::URLEncode),
// its text cannot be encoded (an unpaired surrogate), or the search refuses
// its scheme (SearchUrl searches http and https only). The search is not
// changed by this: a command with a problem still navigates nothing, silently.
// Pure function, safe from any thread.
#pragma once

#include <string_view>

enum class TCommandProblem { None, NoSchemeOrHost, NotWebScheme, BrokenText };

TCommandProblem CheckSearchCommand(std::u16string_view Command);

// The short warning the settings window shows for a problem; empty for None.
std::u16string_view CommandWarning(TCommandProblem Problem);
