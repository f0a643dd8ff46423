#include "uri/utf8encoding.h"

namespace {

constexpr char32_t ReplacementChar = 0xFFFD;

bool IsHighSurrogate(char16_t AUnit) { return AUnit >= 0xD800 && AUnit <= 0xDBFF; }
bool IsLowSurrogate(char16_t AUnit) { return AUnit >= 0xDC00 && AUnit <= 0xDFFF; }

// Appends the 1 to 4 bytes of ACodePoint (at most U+10FFFF, not a surrogate).
void AppendUtf8(char32_t ACodePoint, std::string& ABytes) {
  if (ACodePoint < 0x80) {
    ABytes.push_back(static_cast<char>(ACodePoint));
  } else if (ACodePoint < 0x800) {
    const char Bytes[2] = {static_cast<char>(0xC0 | (ACodePoint >> 6)), static_cast<char>(0x80 | (ACodePoint & 0x3F))};
    ABytes.append(Bytes, 2);
  } else if (ACodePoint < 0x10000) {
    const char Bytes[3] = {static_cast<char>(0xE0 | (ACodePoint >> 12)),
                           static_cast<char>(0x80 | ((ACodePoint >> 6) & 0x3F)),
                           static_cast<char>(0x80 | (ACodePoint & 0x3F))};
    ABytes.append(Bytes, 3);
  } else {
    const char Bytes[4] = {static_cast<char>(0xF0 | (ACodePoint >> 18)),
                           static_cast<char>(0x80 | ((ACodePoint >> 12) & 0x3F)),
                           static_cast<char>(0x80 | ((ACodePoint >> 6) & 0x3F)),
                           static_cast<char>(0x80 | (ACodePoint & 0x3F))};
    ABytes.append(Bytes, 4);
  }
}

void AppendCodePoint(char32_t ACodePoint, std::u16string& AText) {
  if (ACodePoint < 0x10000) {
    AText.push_back(static_cast<char16_t>(ACodePoint));
  } else {
    ACodePoint -= 0x10000;
    AText.push_back(static_cast<char16_t>(0xD800 + (ACodePoint >> 10)));
    AText.push_back(static_cast<char16_t>(0xDC00 + (ACodePoint & 0x3FF)));
  }
}

}  // namespace

void TUtf8Encoding::Encode(std::u16string_view AText, std::string& ABytes) const {
  ABytes.reserve(ABytes.size() + AText.size());
  for (std::size_t I = 0; I < AText.size(); ++I) {
    const char16_t Unit = AText[I];
    char32_t CodePoint = Unit;
    if (IsHighSurrogate(Unit) && I + 1 < AText.size() && IsLowSurrogate(AText[I + 1])) {
      CodePoint = 0x10000 + ((char32_t{Unit} - 0xD800) << 10) + (char32_t{AText[I + 1]} - 0xDC00);
      ++I;
    } else if (IsHighSurrogate(Unit) || IsLowSurrogate(Unit)) {
      CodePoint = ReplacementChar;
    }
    AppendUtf8(CodePoint, ABytes);
  }
}

// Well-formed sequences as in the Unicode standard (table 3-7): the lead byte
// fixes the number of continuation bytes and the range of the first one.
void TUtf8Encoding::Decode(std::string_view ABytes, std::u16string& AText) const {
  AText.reserve(AText.size() + ABytes.size());
  const std::size_t Size = ABytes.size();
  std::size_t I = 0;
  while (I < Size) {
    const auto Lead = static_cast<unsigned char>(ABytes[I++]);
    if (Lead < 0x80) {
      AText.push_back(Lead);
      continue;
    }
    std::size_t Needed = 0;
    unsigned char Low = 0x80;
    unsigned char High = 0xBF;
    char32_t CodePoint = 0;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
      Needed = 1;
      CodePoint = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Needed = 2;
      CodePoint = Lead & 0x0F;
      if (Lead == 0xE0) Low = 0xA0;  // no overlong forms
      if (Lead == 0xED) High = 0x9F;  // no surrogates
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Needed = 3;
      CodePoint = Lead & 0x07;
      if (Lead == 0xF0) Low = 0x90;  // no overlong forms
      if (Lead == 0xF4) High = 0x8F;  // nothing above U+10FFFF
    } else {
      AText.push_back(ReplacementChar);
      continue;
    }
    bool WellFormed = true;
    for (; Needed > 0; --Needed) {
      if (I == Size) {
        WellFormed = false;
        break;
      }
      const auto Next = static_cast<unsigned char>(ABytes[I]);
      if (Next < Low || Next > High) {
        WellFormed = false;  // the offending byte starts the next sequence
        break;
      }
      CodePoint = (CodePoint << 6) | (Next & 0x3F);
      ++I;
      Low = 0x80;
      High = 0xBF;
    }
    AppendCodePoint(WellFormed ? CodePoint : ReplacementChar, AText);
  }
}
