#include "app/utf8.h"

#include <cstdint>

namespace varnesk::app {

namespace {

constexpr char16_t Replacement = u'\xFFFD';

void AppendCodePoint(std::u16string& Out, char32_t Cp) {
  if (Cp < 0x10000) {
    Out.push_back(static_cast<char16_t>(Cp));
    return;
  }
  Cp -= 0x10000;
  Out.push_back(static_cast<char16_t>(0xD800 + (Cp >> 10)));
  Out.push_back(static_cast<char16_t>(0xDC00 + (Cp & 0x3FF)));
}

// Length of the sequence a lead byte starts and the allowed range of the
// byte after it (which rules out overlongs, surrogates and values past
// U+10FFFF); 0 for a byte that cannot start a sequence.
struct TLead {
  int Length = 0;
  std::uint8_t Low = 0x80;
  std::uint8_t High = 0xBF;
};

TLead LeadOf(std::uint8_t B) {
  if (B >= 0xC2 && B <= 0xDF) return {2, 0x80, 0xBF};
  if (B == 0xE0) return {3, 0xA0, 0xBF};
  if (B == 0xED) return {3, 0x80, 0x9F};
  if (B >= 0xE1 && B <= 0xEF) return {3, 0x80, 0xBF};
  if (B == 0xF0) return {4, 0x90, 0xBF};
  if (B >= 0xF1 && B <= 0xF3) return {4, 0x80, 0xBF};
  if (B == 0xF4) return {4, 0x80, 0x8F};
  return {};
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view Text) {
  std::u16string Out;
  Out.reserve(Text.size());
  std::size_t I = 0;
  while (I < Text.size()) {
    const auto B = static_cast<std::uint8_t>(Text[I]);
    if (B < 0x80) {
      Out.push_back(B);
      ++I;
      continue;
    }
    const TLead Lead = LeadOf(B);
    if (Lead.Length == 0) {
      Out.push_back(Replacement);
      ++I;
      continue;
    }
    char32_t Cp = B & (0x7F >> Lead.Length);
    std::size_t J = I + 1;
    int Have = 1;
    while (Have < Lead.Length && J < Text.size()) {
      const auto C = static_cast<std::uint8_t>(Text[J]);
      const std::uint8_t Low = Have == 1 ? Lead.Low : 0x80;
      const std::uint8_t High = Have == 1 ? Lead.High : 0xBF;
      if (C < Low || C > High) break;
      Cp = (Cp << 6) | (C & 0x3F);
      ++J;
      ++Have;
    }
    if (Have == Lead.Length) {
      AppendCodePoint(Out, Cp);
    } else {
      Out.push_back(Replacement);
    }
    I = J;
  }
  return Out;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    char32_t Cp = Text[I];
    if (Cp >= 0xD800 && Cp <= 0xDFFF) {
      if (Cp > 0xDBFF || I + 1 >= Text.size()) return std::nullopt;
      const char32_t Low = Text[I + 1];
      if (Low < 0xDC00 || Low > 0xDFFF) return std::nullopt;
      Cp = 0x10000 + ((Cp - 0xD800) << 10) + (Low - 0xDC00);
      ++I;
    }
    if (Cp < 0x80) {
      Out.push_back(static_cast<char>(Cp));
    } else if (Cp < 0x800) {
      Out.push_back(static_cast<char>(0xC0 | (Cp >> 6)));
      Out.push_back(static_cast<char>(0x80 | (Cp & 0x3F)));
    } else if (Cp < 0x10000) {
      Out.push_back(static_cast<char>(0xE0 | (Cp >> 12)));
      Out.push_back(static_cast<char>(0x80 | ((Cp >> 6) & 0x3F)));
      Out.push_back(static_cast<char>(0x80 | (Cp & 0x3F)));
    } else {
      Out.push_back(static_cast<char>(0xF0 | (Cp >> 18)));
      Out.push_back(static_cast<char>(0x80 | ((Cp >> 12) & 0x3F)));
      Out.push_back(static_cast<char>(0x80 | ((Cp >> 6) & 0x3F)));
      Out.push_back(static_cast<char>(0x80 | (Cp & 0x3F)));
    }
  }
  return Out;
}

}  // namespace varnesk::app
