// TUtf8Encoding: the UTF-8 byte encoding.
//
// Encoding turns each unpaired surrogate into U+FFFD. Decoding accepts any
// bytes: each ill-formed sequence becomes one U+FFFD per maximal subpart (the
// longest prefix of a well-formed sequence, or a single byte), as the Unicode
// standard recommends; U+0000 and noncharacters are kept. Stateless, so one
// instance may serve any number of threads at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "uri/byteencoding.h"

class TUtf8Encoding final : public TByteEncoding {
 public:
  static constexpr std::size_t MaxCodePointBytes = 4;

  void Encode(std::u16string_view AText, std::string& ABytes) const override;
  void Decode(std::string_view ABytes, std::u16string& AText) const override;

  // Writes the 1 to 4 bytes of ACodePoint (at most U+10FFFF, not a
  // surrogate) to AOut and returns their number.
  static std::size_t EncodeCodePoint(char32_t ACodePoint, unsigned char* AOut) noexcept {
    if (ACodePoint < 0x80) {
      AOut[0] = static_cast<unsigned char>(ACodePoint);
      return 1;
    }
    if (ACodePoint < 0x800) {
      AOut[0] = static_cast<unsigned char>(0xC0 | (ACodePoint >> 6));
      AOut[1] = static_cast<unsigned char>(0x80 | (ACodePoint & 0x3F));
      return 2;
    }
    if (ACodePoint < 0x10000) {
      AOut[0] = static_cast<unsigned char>(0xE0 | (ACodePoint >> 12));
      AOut[1] = static_cast<unsigned char>(0x80 | ((ACodePoint >> 6) & 0x3F));
      AOut[2] = static_cast<unsigned char>(0x80 | (ACodePoint & 0x3F));
      return 3;
    }
    AOut[0] = static_cast<unsigned char>(0xF0 | (ACodePoint >> 18));
    AOut[1] = static_cast<unsigned char>(0x80 | ((ACodePoint >> 12) & 0x3F));
    AOut[2] = static_cast<unsigned char>(0x80 | ((ACodePoint >> 6) & 0x3F));
    AOut[3] = static_cast<unsigned char>(0x80 | (ACodePoint & 0x3F));
    return 4;
  }
};
