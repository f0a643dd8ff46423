#include "settings/singlebyteencoding.h"

#include "text/utf8.h"

std::string TSingleByteEncoding::Encode(std::u16string_view Text) const {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char16_t C = Text[I];
    if (PairAt(Text, I)) ++I;  // one character, one replacement
    Out += C <= FTop ? static_cast<char>(C) : '?';
  }
  return Out;
}

std::u16string TSingleByteEncoding::Decode(std::string_view Bytes) const {
  std::u16string Out;
  Out.reserve(Bytes.size());
  for (const char B : Bytes) {
    const auto C = static_cast<char16_t>(static_cast<unsigned char>(B));
    Out += C <= FTop ? C : ReplacementChar;
  }
  return Out;
}
