// TUtf8Encoding: the UTF-8 byte encoding, through the program's one
// converter (text/utf8.h): an unpaired surrogate encodes as U+FFFD, each
// ill-formed byte subpart decodes as one U+FFFD. Stateless, so one instance
// may serve any number of threads at once.
#pragma once

#include <string>
#include <string_view>

#include "text/utf8.h"
#include "uri/byteencoding.h"

class TUtf8Encoding final : public TByteEncoding {
 public:
  void Encode(std::u16string_view AText, std::string& ABytes) const override { EncodeUtf8(AText, ABytes); }
  void Decode(std::string_view ABytes, std::u16string& AText) const override { DecodeUtf8(ABytes, AText); }
  bool IsUtf8() const override { return true; }
};
