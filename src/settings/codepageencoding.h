// TCodePageEncoding: a character set served by the platform's converter.
//
// On Windows a code page number, converted with WideCharToMultiByte (no
// best-fit mapping where the code page allows turning it off, so an
// unrepresentable character becomes the code page's default character) and
// MultiByteToWideChar. Elsewhere an iconv character-set name; an
// unrepresentable character becomes "?" and an invalid byte U+FFFD.
// Stateful sets (e.g. ISO-2022-JP) end each converted text in the initial
// shift state. Each call opens its own converter, so a shared instance is
// thread-safe. On Windows a text longer than INT_MAX units or bytes throws
// std::length_error.
#pragma once

#include "settings/textencoding.h"

#include <string>

class TCodePageEncoding final : public TTextEncoding {
 public:
#ifdef _WIN32
  explicit TCodePageEncoding(unsigned CodePage) : FCodePage(CodePage) {}
#else
  // Throws std::invalid_argument when iconv does not know Charset.
  explicit TCodePageEncoding(std::string Charset);
#endif

  std::string Encode(std::u16string_view Text) const override;
  std::u16string Decode(std::string_view Bytes) const override;

 private:
#ifdef _WIN32
  unsigned FCodePage = 0;
#else
  std::string FCharset;
#endif
};
