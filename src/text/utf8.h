// The program's one UTF-8 converter and the UTF-16 code-point predicates.
//
// EncodeUtf8 turns each unpaired surrogate into U+FFFD; Utf16ToUtf8 refuses
// text with one instead (a file name or message has no faithful UTF-8 form
// then). DecodeUtf8 and Utf8ToUtf16 accept any bytes: each ill-formed
// sequence (a stray continuation byte, a truncated or overlong sequence, an
// encoded surrogate, a value past U+10FFFF, bytes F5..FF) becomes one U+FFFD
// per maximal subpart, as the Unicode standard recommends; U+0000 and
// noncharacters are kept. Pure functions; safe from any thread.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char16_t ReplacementChar = 0xFFFD;

constexpr bool IsHighSurrogate(char16_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t Unit) { return Unit >= 0xDC00 && Unit <= 0xDFFF; }
constexpr bool IsSurrogate(char16_t Unit) { return Unit >= 0xD800 && Unit <= 0xDFFF; }

// Whether a surrogate pair starts at Text[Index].
constexpr bool PairAt(std::u16string_view Text, std::size_t Index) {
  return Index + 1 < Text.size() && IsHighSurrogate(Text[Index]) && IsLowSurrogate(Text[Index + 1]);
}

// The code point of the pair High, Low.
constexpr char32_t PairCodePoint(char16_t High, char16_t Low) {
  return 0x10000 + ((char32_t{High} - 0xD800) << 10) + (char32_t{Low} - 0xDC00);
}

// Append to Bytes or Text.
void EncodeUtf8(std::u16string_view Text, std::string& Bytes);
void DecodeUtf8(std::string_view Bytes, std::u16string& Text);

std::string EncodeUtf8(std::u16string_view Text);

std::u16string Utf8ToUtf16(std::string_view Bytes);
std::optional<std::string> Utf16ToUtf8(std::u16string_view Text);
