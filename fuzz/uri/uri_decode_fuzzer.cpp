// The decoder on any text: it never fails, gives well-formed UTF-16 no
// longer than its input, leaves plain ASCII alone, and reverses the
// encoders: PathEncode for any well-formed text, ParamsEncode for text
// without U+0080 (which passes there unencoded and so decodes as a lone
// byte).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzsupport.h"
#include "uri/uri.h"

namespace {

bool WellFormed(std::u16string_view AText) { return SurrogateError(AText).empty(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  const std::u16string Text = FuzzText(AData, ASize);

  const std::u16string Decoded = TUri::URLDecode(Text);
  FUZZ_CHECK(WellFormed(Decoded));
  FUZZ_CHECK(Decoded.size() <= Text.size());
  bool PlainAscii = true;
  for (const char16_t Unit : Text) PlainAscii = PlainAscii && Unit < 0x80 && Unit != u'%';
  if (PlainAscii) FUZZ_CHECK(Decoded == Text);

  if (!WellFormed(Text)) return 0;
  FUZZ_CHECK(TUri::URLDecode(TUri::PathEncode(Text)) == Text);
  if (Text.find(char16_t{0x80}) == std::u16string::npos)
    FUZZ_CHECK(TUri::URLDecode(TUri::ParamsEncode(Text)) == Text);
  return 0;
}
