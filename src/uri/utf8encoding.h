// TUtf8Encoding: the UTF-8 byte encoding.
//
// Encoding turns each unpaired surrogate into U+FFFD. Decoding accepts any
// bytes: each ill-formed sequence becomes one U+FFFD per maximal subpart (the
// longest prefix of a well-formed sequence, or a single byte), as the Unicode
// standard recommends; U+0000 and noncharacters are kept. Stateless, so one
// instance may serve any number of threads at once.
#pragma once

#include <string>
#include <string_view>

#include "uri/byteencoding.h"

class TUtf8Encoding final : public TByteEncoding {
 public:
  void Encode(std::u16string_view AText, std::string& ABytes) const override;
  void Decode(std::string_view ABytes, std::u16string& AText) const override;
};
