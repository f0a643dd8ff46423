// Conversions between UTF-8 (what std::exception::what() and POSIX file
// names carry) and UTF-16 (the program's text).
//
// Utf8ToUtf16 never fails: each ill-formed sequence (a stray continuation
// byte, a truncated or overlong sequence, an encoded surrogate, a value past
// U+10FFFF, bytes F5..FF) becomes one U+FFFD per maximal ill-formed subpart,
// the replacement practice Unicode recommends. Utf16ToUtf8 answers nothing
// for text with an unpaired surrogate, which has no UTF-8 form. Both go
// through the program's shared UTF-8 converter (uri/byteencoding.h); safe
// from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnesk::app {

std::u16string Utf8ToUtf16(std::string_view Text);
std::optional<std::string> Utf16ToUtf8(std::u16string_view Text);

}  // namespace varnesk::app
