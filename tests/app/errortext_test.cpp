#include "app/errortext.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(ErrorDisplayText, AppendsAPeriodAfterACharacterAbovePeriod) {
  const std::vector<std::pair<std::u16string, std::u16string>> Cases = {
      {u"", u""},
      {u"Disk full", u"Disk full."},
      {u"Done.", u"Done."},
      {u"Wait-", u"Wait-"},
      {u"a,", u"a,"},
      {u"Oops!", u"Oops!"},
      {u"trailing ", u"trailing "},
      {u"line\n", u"line\n"},
      {u"a/", u"a/."},  // "/" is 47, the first code above "."
      {u"code 0", u"code 0."},
      {u"x)", u"x)"},  // ")" is 41
      {u"\u00FC", u"\u00FC."},
      {u"smile \U0001F600", u"smile \U0001F600."},  // ends in a low surrogate
      {std::u16string(1, u'\0'), std::u16string(1, u'\0')},
  };
  for (const auto& [Message, Shown] : Cases) {
    EXPECT_EQ(ErrorDisplayText(Message), Shown);
  }
}

TEST(ExceptionMessage, ConvertsTheInnermostMessageFromUtf8) {
  EXPECT_EQ(ExceptionMessage(std::runtime_error("Gr\xC3\xB6\xC3\x9F" "e")), u"Gr\u00F6\u00DFe");
  // A stray byte becomes U+FFFD instead of ending or dropping the text.
  EXPECT_EQ(ExceptionMessage(std::runtime_error("Bad \xFF path")), u"Bad \uFFFD path");

  try {
    try {
      throw std::invalid_argument("inner");
    } catch (...) {
      std::throw_with_nested(std::runtime_error("outer"));
    }
  } catch (const std::exception& E) {
    EXPECT_EQ(ExceptionMessage(E), u"inner");
  }

  try {
    try {
      throw 42;
    } catch (...) {
      std::throw_with_nested(std::runtime_error("outer"));
    }
  } catch (const std::exception& E) {
    EXPECT_EQ(ExceptionMessage(E), u"outer") << "a nested non-exception has no message";
  }
}

}  // namespace
