#include "uri/utf8encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "uritesthelpers.h"

namespace {

TEST(TUtf8Encoding, Encodes) {
  struct TCase {
    std::u16string_view Text;
    std::string_view Bytes;
  };
  const TCase Cases[] = {
      {u"", ""},
      {std::u16string_view(u"a\0", 2), std::string_view("a\0", 2)},
      {u"\u007F\u0080\u07FF\u0800\uFFFF", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
      {u"\U00010000\U0001F600\U0010FFFF", "\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
      // Unpaired surrogates have no UTF-8 form: each becomes U+FFFD.
      {u"\xD800", "\xEF\xBF\xBD"},
      {u"\xDC00", "\xEF\xBF\xBD"},
      {u"\xD800" u"a", "\xEF\xBF\xBD" "a"},
      {u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {u"\xD800\xD800\xDC00", "\xEF\xBF\xBD\xF0\x90\x80\x80"},
  };
  const TUtf8Encoding Utf8;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Show(Case.Text));
    std::string Bytes = "x";
    Utf8.Encode(Case.Text, Bytes);
    std::string Expected = "x";
    Expected += Case.Bytes;
    EXPECT_EQ(Bytes, Expected);
  }
}

TEST(TUtf8Encoding, DecodesWithOneReplacementPerMaximalSubpart) {
  struct TCase {
    std::string_view Bytes;
    std::u16string_view Text;
  };
  const TCase Cases[] = {
      {"", u""},
      {std::string_view("\0", 1), std::u16string_view(u"\0", 1)},
      {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", u"\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF"},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", u"\U00010000\U0010FFFF"},
      // A continuation byte alone, or an invalid lead byte.
      {"\x80\xBF", u"\uFFFD\uFFFD"},
      {"\xC0\x80", u"\uFFFD\uFFFD"},
      {"\xC1\xBF", u"\uFFFD\uFFFD"},
      {"\xF5\x80", u"\uFFFD\uFFFD"},
      {"\xFF", u"\uFFFD"},
      // Overlong forms.
      {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      // Encoded surrogates, and code points above U+10FFFF.
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      // A truncated sequence is one replacement; the byte that cut it is read anew.
      {"\xE2\x82", u"\uFFFD"},
      {"\xF0\x9F\x98" "A", u"\uFFFD" u"A"},
      {"\xE2\xC3\xA9", u"\uFFFD\u00E9"},
      // The example of the Unicode standard.
      {"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64", u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"},
  };
  const TUtf8Encoding Utf8;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(Case.Bytes)));
    std::u16string Text = u"x";
    Utf8.Decode(Case.Bytes, Text);
    std::u16string Expected = u"x";
    Expected += Case.Text;
    EXPECT_EQ(Text, Expected);
  }
}

TEST(TUtf8Encoding, EveryScalarValueRoundTrips) {
  const TUtf8Encoding Utf8;
  std::u16string Text;
  for (char32_t CodePoint = 0; CodePoint <= 0x10FFFF; ++CodePoint) {
    if (CodePoint >= 0xD800 && CodePoint <= 0xDFFF) continue;
    if (CodePoint < 0x10000) {
      Text.push_back(static_cast<char16_t>(CodePoint));
    } else {
      Text.push_back(static_cast<char16_t>(0xD800 + ((CodePoint - 0x10000) >> 10)));
      Text.push_back(static_cast<char16_t>(0xDC00 + ((CodePoint - 0x10000) & 0x3FF)));
    }
  }
  std::string Bytes;
  Utf8.Encode(Text, Bytes);
  std::u16string Back;
  Utf8.Decode(Bytes, Back);
  EXPECT_TRUE(Back == Text);
}

}  // namespace
