#include "settings/settingslines.h"

#include <gtest/gtest.h>

namespace {

using TLines = std::array<std::string, SettingsLineCount>;

TEST(SplitSettingsLines, FollowsLineEndsCtrlZAndLineCount) {
  const struct {
    const char* Name;
    std::string_view Bytes;
    TLines Lines;
  } Cases[] = {
      {"empty", "", {}},
      {"CR LF", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
      {"LF only", "a\nb\nc\n", {"a", "b", "c"}},
      {"last line without end", "a\r\nb", {"a", "b"}},
      {"lone CR dropped, line goes on", "a\rb\r\nc", {"ab", "c"}},
      {"CR CR LF", "a\r\r\nb", {"a", "b"}},
      {"CR at the end", "a\r", {"a"}},
      {"empty lines kept", "\r\n\r\nx", {"", "", "x"}},
      {"spaces kept", " yes \r\n", {" yes "}},
      {"Ctrl-Z ends line 2 and the file", "a\r\nb\x1A" "c\r\nd\r\n", {"a", "b"}},
      {"Ctrl-Z first", "\x1A" "a\r\n", {}},
      {"eight lines", "1\n2\n3\n4\n5\n6\n7\n8\n", {"1", "2", "3", "4", "5", "6", "7", "8"}},
      {"lines after the eighth ignored", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10", {"1", "2", "3", "4", "5", "6", "7", "8"}},
      {"NUL is text", std::string_view("a\0b\n", 4), {std::string("a\0b", 3)}},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(SplitSettingsLines(Case.Bytes), Case.Lines) << Case.Name;
  }
}

TEST(SplitSettingsLines, KeepsLongLinesWhole) {
  const std::string Long(100000, 'x');
  EXPECT_EQ(SplitSettingsLines(Long + "\n" + Long)[1], Long);
}

}  // namespace
