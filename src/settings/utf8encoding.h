// TUtf8Encoding: UTF-8 without byte-order mark.
//
// Encode writes an unpaired surrogate as U+FFFD (EF BF BD), as Windows does
// for its UTF-8 code page. Decode takes well-formed UTF-8 only: each maximal
// ill-formed subpart (overlong forms, encoded surrogates, values above
// U+10FFFF, cut sequences, stray continuation bytes) becomes one U+FFFD.
// Stateless; no limits beyond memory.
#pragma once

#include "settings/textencoding.h"

class TUtf8Encoding final : public TTextEncoding {
 public:
  std::string Encode(std::u16string_view Text) const override;
  std::u16string Decode(std::string_view Bytes) const override;
};
