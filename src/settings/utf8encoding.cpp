#include "settings/utf8encoding.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& Out, char32_t C) {
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

void AppendUtf16(std::u16string& Out, char32_t C) {
  if (C < 0x10000) {
    Out += static_cast<char16_t>(C);
  } else {
    C -= 0x10000;
    Out += static_cast<char16_t>(0xD800 + (C >> 10));
    Out += static_cast<char16_t>(0xDC00 + (C & 0x3FF));
  }
}

bool IsHigh(char16_t C) { return C >= 0xD800 && C <= 0xDBFF; }
bool IsLow(char16_t C) { return C >= 0xDC00 && C <= 0xDFFF; }

}  // namespace

std::string TUtf8Encoding::Encode(std::u16string_view Text) const {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char16_t C = Text[I];
    if (IsHigh(C) && I + 1 < Text.size() && IsLow(Text[I + 1])) {
      AppendUtf8(Out, 0x10000 + ((static_cast<char32_t>(C) - 0xD800) << 10) + (Text[I + 1] - 0xDC00));
      ++I;
    } else if (IsHigh(C) || IsLow(C)) {
      AppendUtf8(Out, Replacement);
    } else {
      AppendUtf8(Out, C);
    }
  }
  return Out;
}

std::u16string TUtf8Encoding::Decode(std::string_view Bytes) const {
  std::u16string Out;
  Out.reserve(Bytes.size());
  std::size_t I = 0;
  while (I < Bytes.size()) {
    const auto Lead = static_cast<unsigned char>(Bytes[I]);
    if (Lead < 0x80) {
      Out += static_cast<char16_t>(Lead);
      ++I;
      continue;
    }
    // Length and the allowed range of the second byte (Unicode table 3-7);
    // later bytes are always 80..BF.
    std::size_t Length = 0;
    unsigned char Low = 0x80;
    unsigned char High = 0xBF;
    char32_t C = 0;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
      Length = 2;
      C = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Length = 3;
      C = Lead & 0x0F;
      if (Lead == 0xE0) Low = 0xA0;
      if (Lead == 0xED) High = 0x9F;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Length = 4;
      C = Lead & 0x07;
      if (Lead == 0xF0) Low = 0x90;
      if (Lead == 0xF4) High = 0x8F;
    } else {
      Out += static_cast<char16_t>(Replacement);
      ++I;
      continue;
    }
    std::size_t Taken = 1;
    for (; Taken < Length && I + Taken < Bytes.size(); ++Taken) {
      const auto B = static_cast<unsigned char>(Bytes[I + Taken]);
      const unsigned char Min = Taken == 1 ? Low : 0x80;
      const unsigned char Max = Taken == 1 ? High : 0xBF;
      if (B < Min || B > Max) break;
      C = (C << 6) | (B & 0x3F);
    }
    AppendUtf16(Out, Taken == Length ? C : Replacement);
    I += Taken;
  }
  return Out;
}
