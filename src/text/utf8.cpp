#include "text/utf8.h"

namespace {

// Appends the 1 to 4 bytes of CodePoint (at most U+10FFFF, not a surrogate).
void AppendUtf8(char32_t CodePoint, std::string& Bytes) {
  const auto Byte = [](char32_t Bits) { return static_cast<char>(Bits); };
  if (CodePoint < 0x80) {
    Bytes.push_back(Byte(CodePoint));
  } else if (CodePoint < 0x800) {
    const char Out[2] = {Byte(0xC0 | (CodePoint >> 6)), Byte(0x80 | (CodePoint & 0x3F))};
    Bytes.append(Out, 2);
  } else if (CodePoint < 0x10000) {
    const char Out[3] = {Byte(0xE0 | (CodePoint >> 12)), Byte(0x80 | ((CodePoint >> 6) & 0x3F)),
                         Byte(0x80 | (CodePoint & 0x3F))};
    Bytes.append(Out, 3);
  } else {
    const char Out[4] = {Byte(0xF0 | (CodePoint >> 18)), Byte(0x80 | ((CodePoint >> 12) & 0x3F)),
                         Byte(0x80 | ((CodePoint >> 6) & 0x3F)), Byte(0x80 | (CodePoint & 0x3F))};
    Bytes.append(Out, 4);
  }
}

void AppendCodePoint(char32_t CodePoint, std::u16string& Text) {
  if (CodePoint < 0x10000) {
    Text.push_back(static_cast<char16_t>(CodePoint));
  } else {
    CodePoint -= 0x10000;
    Text.push_back(static_cast<char16_t>(0xD800 + (CodePoint >> 10)));
    Text.push_back(static_cast<char16_t>(0xDC00 + (CodePoint & 0x3FF)));
  }
}

}  // namespace

void EncodeUtf8(std::u16string_view Text, std::string& Bytes) {
  Bytes.reserve(Bytes.size() + Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (PairAt(Text, I)) {
      AppendUtf8(PairCodePoint(Text[I], Text[I + 1]), Bytes);
      ++I;
    } else {
      AppendUtf8(IsSurrogate(Text[I]) ? ReplacementChar : Text[I], Bytes);
    }
  }
}

// Well-formed sequences as in the Unicode standard (table 3-7): the lead byte
// fixes the number of continuation bytes and the range of the first one.
void DecodeUtf8(std::string_view Bytes, std::u16string& Text) {
  Text.reserve(Text.size() + Bytes.size());
  const std::size_t Size = Bytes.size();
  std::size_t I = 0;
  while (I < Size) {
    const auto Lead = static_cast<unsigned char>(Bytes[I++]);
    if (Lead < 0x80) {
      Text.push_back(Lead);
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
      if (Lead == 0xE0) Low = 0xA0;   // no overlong forms
      if (Lead == 0xED) High = 0x9F;  // no surrogates
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Needed = 3;
      CodePoint = Lead & 0x07;
      if (Lead == 0xF0) Low = 0x90;   // no overlong forms
      if (Lead == 0xF4) High = 0x8F;  // nothing above U+10FFFF
    } else {
      Text.push_back(ReplacementChar);
      continue;
    }
    bool WellFormed = true;
    for (; Needed > 0; --Needed) {
      const auto Next = I < Size ? static_cast<unsigned char>(Bytes[I]) : 0;
      if (I == Size || Next < Low || Next > High) {
        WellFormed = false;  // an offending byte starts the next sequence
        break;
      }
      CodePoint = (CodePoint << 6) | (Next & 0x3F);
      ++I;
      Low = 0x80;
      High = 0xBF;
    }
    AppendCodePoint(WellFormed ? CodePoint : ReplacementChar, Text);
  }
}

std::string EncodeUtf8(std::u16string_view Text) {
  std::string Bytes;
  EncodeUtf8(Text, Bytes);
  return Bytes;
}

std::u16string Utf8ToUtf16(std::string_view Bytes) {
  std::u16string Text;
  DecodeUtf8(Bytes, Text);
  return Text;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view Text) {
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (PairAt(Text, I)) ++I;
    else if (IsSurrogate(Text[I])) return std::nullopt;
  }
  return EncodeUtf8(Text);
}
