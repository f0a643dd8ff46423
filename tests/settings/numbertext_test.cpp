#include "settings/numbertext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct TParseCase {
  std::u16string_view Text;
  std::optional<std::int32_t> Value;
};

TEST(ParseNumber, ReadsSignedDecimalAndHexadecimal) {
  const TParseCase Cases[] = {
      {u"42", 42},
      {u"  42", 42},
      {u"007", 7},
      {u"0", 0},
      {u"-7", -7},
      {u"+5", 5},
      {u"-0", 0},
      {u"$20", 32},
      {u"x1f", 31},
      {u"X1F", 31},
      {u"0x1F", 31},
      {u"0Xff", 255},
      {u" -$10", -16},
      {u"2147483647", std::numeric_limits<std::int32_t>::max()},
      {u"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {u"00000000000000000000012", 12},  // leading zeros do not count against the range
      {u"$7FFFFFFF", std::numeric_limits<std::int32_t>::max()},
      {u"$80000000", std::numeric_limits<std::int32_t>::min()},  // two's-complement pattern
      {u"$FFFFFFFF", -1},
      {u"-$FFFFFFFF", 1},  // the pattern -1, negated
      {u"$00000000FFFFFFFF", -1},
  };
  for (const TParseCase& Case : Cases) {
    EXPECT_EQ(ParseNumber(Case.Text), Case.Value) << std::string(Case.Text.begin(), Case.Text.end());
  }
}

TEST(ParseNumber, RefusesMalformedText) {
  const std::u16string_view Cases[] = {
      u"",              // empty
      u"   ",           // spaces only
      u"42 ",           // trailing space
      u"12a",           // trailing letter
      u"12345678901",   // eleven digits, out of range
      u"2147483648",    // one above the maximum
      u"-2147483649",   // one below the minimum
      u"$100000000",    // hexadecimal above FFFFFFFF
      u"+",             // sign without digits
      u"-",             // sign without digits
      u"$",             // prefix without digits
      u"0x",            // prefix without digits
      u"x",             // prefix without digits
      u"- 5",           // space between sign and digits
      u"+-5",           // two signs
      u"1f",            // hexadecimal digits without prefix
      u"$1g",           // not a hexadecimal digit
      u"0x$1",          // two prefixes
      u"\t5",           // tab is not a space
      u"\uFF15",        // fullwidth digit
      std::u16string_view(u"5\0", 2),  // NUL after the digits
  };
  for (const std::u16string_view Text : Cases) {
    EXPECT_EQ(ParseNumber(Text), std::nullopt) << std::string(Text.begin(), Text.end());
  }
}

TEST(NumberText, WritesPlainDecimal) {
  const struct {
    std::int32_t Value;
    std::u16string_view Text;
  } Cases[] = {
      {0, u"0"},
      {7, u"7"},
      {-7, u"-7"},
      {150, u"150"},
      {std::numeric_limits<std::int32_t>::max(), u"2147483647"},
      {std::numeric_limits<std::int32_t>::min(), u"-2147483648"},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(NumberText(Case.Value), Case.Text) << Case.Value;
    EXPECT_EQ(ParseNumber(NumberText(Case.Value)), Case.Value);
  }
}

}  // namespace
