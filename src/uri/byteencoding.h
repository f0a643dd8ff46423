// TByteEncoding: turns UTF-16 text into bytes and back, for percent escapes.
//
// The percent encoders hand it one character at a time (one code unit, or a
// surrogate pair); the decoder hands it every collected byte at once. An
// implementation holds no state between calls, so one instance may serve
// any number of threads at the same time.
//
// UTF8() is the process-wide UTF-8 encoding used whenever no encoding is
// given. It is made on first use (several threads may race to make it: one
// wins, the others discard theirs), lives until the program ends and is then
// freed; it must not be used from a static destructor that runs after that.
#pragma once

#include <string>
#include <string_view>

class TByteEncoding {
 public:
  virtual ~TByteEncoding() = default;

  // Appends the bytes of AText to ABytes. Must accept any UTF-16 text,
  // unpaired surrogates included.
  virtual void Encode(std::u16string_view AText, std::string& ABytes) const = 0;

  // Appends the text of ABytes to AText. Must accept any bytes.
  virtual void Decode(std::string_view ABytes, std::u16string& AText) const = 0;

  // Whether this is UTF-8, which TUri percent-encodes inline instead.
  virtual bool IsUtf8() const { return false; }

  static const TByteEncoding& UTF8();
};
