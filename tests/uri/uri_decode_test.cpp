#include "uri/uri.h"

#include <gtest/gtest.h>

#include "uritesthelpers.h"

namespace {

TEST(TUriURLDecode, Texts) {
  struct TCase {
    std::u16string_view Input;
    std::u16string_view Expected;
  };
  const TCase Cases[] = {
      {u"", u""},
      {u"caf%C3%A9", u"caf\u00E9"},
      {u"caf%c3%a9", u"caf\u00E9"},
      {u"%u00E9", u"\u00E9"},
      {u"%U20ac!", u"\u20AC!"},
      {u"%F0%9F%98%80", u"\U0001F600"},
      {u"a+b%2B", u"a+b+"},
      {u"%2520", u"%20"},
      {u"%00", std::u16string_view(u"\0", 1)},
      // Not a hexadecimal number: nothing is added, three characters are consumed.
      {u"%zz1", u"1"},
      {u"%%41", u"1"},
      {u"%4g5", u"5"},
      {u"%+1x", u"x"},
      // Six characters are consumed after "%u".
      {u"%u00zz12", u"12"},
      {u"%u12345", u"\u12345"},
      // A truncated escape at the end adds nothing.
      {u"a%", u"a"},
      {u"a%4", u"a"},
      {u"a%u", u"a"},
      {u"a%u12", u"a"},
      {u"a%u123", u"a"},
      // Each "%u" escape is one code unit, converted alone: an unpaired
      // surrogate has no UTF-8 form and becomes U+FFFD.
      {u"%uD83D%uDE00", u"\uFFFD\uFFFD"},
      // Bytes that are not UTF-8 become U+FFFD.
      {u"%C3", u"\uFFFD"},
      {u"%C3%28", u"\uFFFD("},
      {u"%E9t%E9", u"\uFFFDt\uFFFD"},
      // A plain code unit adds its low eight bits only.
      {u"\u00E9", u"\uFFFD"},
      {u"\u0141", u"A"},
      {u"\u00C3\u00A9", u"\u00E9"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Show(Case.Input));
    EXPECT_EQ(TUri::URLDecode(Case.Input), Case.Expected);
  }
}

TEST(TUriURLDecode, ReversesTheEncoders) {
  const std::u16string_view Texts[] = {
      u"red apple", u"\"C++\" -x site:a.test", u"100% caf\u00E9 \U0001F600\u65E5", u"%u00E9 %41 \t\r\n",
      u"\x7F\u0081\uFFFF\U0010FFFF",
  };
  for (const std::u16string_view Text : Texts) {
    SCOPED_TRACE(Show(Text));
    EXPECT_EQ(TUri::URLDecode(TUri::ParamsEncode(Text)), Text);
    EXPECT_EQ(TUri::URLDecode(TUri::PathEncode(Text)), Text);
  }
}

}  // namespace
