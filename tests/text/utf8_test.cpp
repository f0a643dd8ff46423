#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Utf8ToUtf16, DecodesAndReplacesEachMaximalIllFormedSubpart) {
  const std::vector<std::pair<std::string, std::u16string>> Cases = {
      {"", u""},
      {"plain", u"plain"},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"\xC3\xBC \xE2\x82\xAC \xF0\x9F\x98\x80", u"\u00FC \u20AC \U0001F600"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      // Stray continuation byte.
      {"a\x80z", u"a\uFFFDz"},
      // Overlong two-byte form: C0 is never a lead.
      {"\xC0\x80", u"\uFFFD\uFFFD"},
      // Overlong three-byte form: E0 needs A0..BF next.
      {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
      // Truncated sequence followed by ASCII: one replacement.
      {"\xE2\x82x", u"\uFFFDx"},
      // Truncated at the end.
      {"a\xF0\x9F\x98", u"a\uFFFD"},
      // Encoded surrogate.
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      // Past U+10FFFF.
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      // Bytes that never occur.
      {"\xF5\xFF", u"\uFFFD\uFFFD"},
  };
  for (const auto& [In, Out] : Cases) {
    SCOPED_TRACE(::testing::PrintToString(In));
    EXPECT_EQ(Utf8ToUtf16(In), Out);
  }
}

TEST(Utf16ToUtf8, EncodesAndRefusesUnpairedSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"a\u00FC\u20AC\U0001F600\U0010FFFF"),
            "a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
  const std::vector<std::u16string> Bad = {
      u"\xD800",         // high surrogate at the end
      u"\xD800x",        // high surrogate before a non-surrogate
      u"x\xDC00",        // low surrogate alone
      u"\xDC00\xDC00",   // low surrogate first, though a low one follows
      u"\xD800\xD800",   // two highs
  };
  for (const auto& Text : Bad) EXPECT_FALSE(Utf16ToUtf8(Text).has_value());
}

}  // namespace
