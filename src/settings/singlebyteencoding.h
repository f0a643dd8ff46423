// TSingleByteEncoding: US-ASCII (code points up to U+007F) or ISO-8859-1
// (up to U+00FF), where each byte is the character's code point.
//
// Encode writes "?" for a character above the top; Decode gives U+FFFD for a
// byte above it (ASCII only). Immutable after construction.
#pragma once

#include "settings/textencoding.h"

class TSingleByteEncoding final : public TTextEncoding {
 public:
  // Top is 0x7F for US-ASCII or 0xFF for ISO-8859-1.
  explicit TSingleByteEncoding(char16_t Top) : FTop(Top) {}

  std::string Encode(std::u16string_view Text) const override;
  std::u16string Decode(std::string_view Bytes) const override;

 private:
  char16_t FTop = 0x7F;
};
