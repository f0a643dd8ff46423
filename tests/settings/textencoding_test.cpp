#include "settings/textencoding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>

namespace {

std::string Hex(std::string_view Bytes) {
  static const char Digits[] = "0123456789ABCDEF";
  std::string Out;
  for (const char B : Bytes) {
    const auto U = static_cast<unsigned char>(B);
    Out += Digits[U >> 4];
    Out += Digits[U & 15];
    Out += ' ';
  }
  return Out;
}

std::string Units(std::u16string_view Text) {
  std::string Out;
  for (const char16_t C : Text) Out += std::to_string(static_cast<unsigned>(C)) + ' ';
  return Out;
}

struct TCodingCase {
  const char* Charset;
  std::u16string_view Text;
  std::string_view Bytes;
};

TEST(TextEncoding, EncodesWithReplacementCharacter) {
  const TCodingCase Cases[] = {
      {"UTF-8", u"abc", "abc"},
      {"UTF-8", u"\u00E9\u20AC", "\xC3\xA9\xE2\x82\xAC"},
      {"UTF-8", u"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
      {"UTF-8", u"a\xD800" u"b", "a\xEF\xBF\xBD" "b"},  // unpaired high surrogate
      {"UTF-8", u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // swapped pair: two unpaired
      {"US-ASCII", u"a\u00E9", "a?"},
      {"US-ASCII", u"\xD83D\xDE00!", "?!"},  // a pair is one character
      {"US-ASCII", u"x\xD800", "x?"},
      {"ISO-8859-1", u"\u00E9\u00FF\u20AC", "\xE9\xFF?"},
      {"CP1252", u"\u20AC\u00E9\u0101", "\x80\xE9?"},  // iconv: euro sign is in the set, a-macron is not
      {"CP1252", u"\xD83D\xDE00" "a\xDC00", "?a?"},
      {"SHIFT_JIS", u"\u65E5\u672C", "\x93\xFA\x96\x7B"},
      {"ISO-2022-JP", u"a\u65E5" u"b", "a\x1B$BF|\x1B(Bb"},
      {"ISO-2022-JP", u"\u65E5", "\x1B$BF|\x1B(B"},       // ends in the initial shift state
      {"ISO-2022-JP", u"\u65E5\u00E9", "\x1B$BF|\x1B(B?"},  // "?" written in the initial state
  };
  for (const TCodingCase& Case : Cases) {
    const auto Encoding = MakeEncoding(Case.Charset);
    EXPECT_EQ(Hex(Encoding->Encode(Case.Text)), Hex(Case.Bytes)) << Case.Charset << ": " << Units(Case.Text);
  }
}

TEST(TextEncoding, DecodesInvalidBytesAsReplacement) {
  const TCodingCase Cases[] = {
      {"UTF-8", u"\u00E9\u20AC", "\xC3\xA9\xE2\x82\xAC"},
      {"UTF-8", u"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
      {"UTF-8", u"\xFFFD\xFFFD", "\xC0\xAF"},                 // overlong "/"
      {"UTF-8", u"\xFFFD\xFFFD\xFFFD", "\xED\xA0\x80"},       // encoded surrogate
      {"UTF-8", u"\xFFFD\xFFFD\xFFFD\xFFFD", "\xF4\x90\x80\x80"},  // above U+10FFFF
      {"UTF-8", u"a\xFFFD" u"b", "a\xE2\x82" "b"},             // cut sequence
      {"UTF-8", u"a\xFFFD", "a\xE2\x82"},                      // cut at the end
      {"UTF-8", u"\xFFFD\xFFFD", "\x80\xF8"},                  // stray continuation, invalid lead
      {"US-ASCII", u"a\xFFFD", "a\x80"},
      {"ISO-8859-1", u"\u00E9\u00FF", "\xE9\xFF"},
      {"CP1252", u"\u20AC\xFFFD" u"a", "\x80\x81" "a"},  // 81 is unassigned in CP1252
      {"SHIFT_JIS", u"\u65E5\u672C", "\x93\xFA\x96\x7B"},
      {"SHIFT_JIS", u"a\xFFFD", "a\x93"},  // cut double-byte character
  };
  for (const TCodingCase& Case : Cases) {
    const auto Encoding = MakeEncoding(Case.Charset);
    EXPECT_EQ(Units(Encoding->Decode(Case.Bytes)), Units(Case.Text)) << Case.Charset << ": " << Hex(Case.Bytes);
  }
}

TEST(TextEncoding, KnowsCommonSpellingsOfBuiltInSets) {
  const struct {
    const char* Charset;
    std::string_view EAcute;
  } Cases[] = {
      {"utf8", "\xC3\xA9"},      {"UTF-8", "\xC3\xA9"},   {"ANSI_X3.4-1968", "?"}, {"ascii", "?"},
      {"US-ASCII", "?"},         {"latin1", "\xE9"},      {"ISO-8859-1", "\xE9"},  {"iso8859-1", "\xE9"},
  };
  for (const auto& Case : Cases) EXPECT_EQ(MakeEncoding(Case.Charset)->Encode(u"\u00E9"), Case.EAcute) << Case.Charset;
}

TEST(TextEncoding, RefusesUnknownCharacterSet) {
  EXPECT_THROW(MakeEncoding("NO-SUCH-CHARSET-42"), std::invalid_argument);
}

TEST(TextEncoding, SystemEncodingIsReadOnceAndKeepsAscii) {
  const TTextEncoding& Encoding = SystemEncoding();
  EXPECT_EQ(&Encoding, &SystemEncoding());
  EXPECT_EQ(Encoding.Encode(u"https://x/?q="), "https://x/?q=");
  EXPECT_EQ(Encoding.Decode("yes"), u"yes");
}

#ifndef _WIN32
TEST(TextEncoding, SystemEncodingIsUtf8WithLatin1FallbackWhateverTheLocale) {
  std::setlocale(LC_CTYPE, "C");
  const TTextEncoding& Encoding = SystemEncoding();
  EXPECT_EQ(Hex(Encoding.Encode(u"s\u00FC\u00DF")), Hex("s\xC3\xBC\xC3\x9F"));
  const struct {
    std::string_view Bytes;
    std::u16string_view Text;
  } Cases[] = {
      {"s\xC3\xBC\xC3\x9F", u"s\u00FC\u00DF"},            // valid UTF-8
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},               // four-byte sequence
      {"\xEF\xBF\xBD", u"\xFFFD"},                          // a real U+FFFD stays one
      {"s\xFC\xDF", u"s\u00FC\u00DF"},                      // Latin-1 bytes
      {"\xC3\xA9\xE9", u"\u00C3\u00A9\u00E9"},              // partly valid: every byte as U+00xx
      {"\x80\xFF", u"\u0080\u00FF"},
      {"\xED\xA0\x80", u"\u00ED\u00A0\u0080"},              // encoded surrogate
      {"\xC0\xAF", u"\u00C0\u00AF"},                        // overlong "/"
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Units(Encoding.Decode(Case.Bytes)), Units(Case.Text)) << Hex(Case.Bytes);
}
#endif

}  // namespace
