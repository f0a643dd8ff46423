#include "app/utf8.h"

#include "uri/byteencoding.h"

namespace varnesk::app {

std::u16string Utf8ToUtf16(std::string_view Text) {
  std::u16string Out;
  TByteEncoding::UTF8().Decode(Text, Out);
  return Out;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view Text) {
  // The shared encoder writes U+FFFD for an unpaired surrogate; a name or
  // message with one has no faithful UTF-8 form, so refuse it instead.
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char16_t C = Text[I];
    if (C >= 0xDC00 && C <= 0xDFFF) return std::nullopt;
    if (C >= 0xD800 && C <= 0xDBFF) {
      if (I + 1 == Text.size() || Text[I + 1] < 0xDC00 || Text[I + 1] > 0xDFFF) return std::nullopt;
      ++I;
    }
  }
  std::string Out;
  TByteEncoding::UTF8().Encode(Text, Out);
  return Out;
}

}  // namespace varnesk::app
