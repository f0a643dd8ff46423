#include "history/searchhistory.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TSearchEntry Entry(std::u16string Words, std::u16string Excluded = {}) {
  return {std::move(Words), std::move(Excluded)};
}

std::u16string Numbered(std::size_t N) {
  const std::string Digits = std::to_string(N);
  return u"search " + std::u16string(Digits.begin(), Digits.end());
}

TEST(SearchHistory, UpAndDownStepThroughTheSearchesAndBackToTheTyping) {
  TSearchHistory History;
  History.Add(Entry(u"solar", u"cheap"));
  History.Add(Entry(u"wind"));
  History.Add(Entry(u"tidal", u"\"wave power\""));
  const TSearchEntry Typing = Entry(u"geoth", u"x");

  enum Step { Back, Forward };
  struct Row {
    Step Do;
    std::optional<TSearchEntry> Shows;
    bool Stepping;
    const char* Why;
  };
  const Row Rows[] = {
      {Forward, std::nullopt, false, "not stepping yet: Down does nothing"},
      {Back, Entry(u"tidal", u"\"wave power\""), true, "the newest first, both lines"},
      {Back, Entry(u"wind"), true, "one older"},
      {Back, Entry(u"solar", u"cheap"), true, "the oldest"},
      {Back, Entry(u"solar", u"cheap"), true, "stays at the oldest"},
      {Forward, Entry(u"wind"), true, "one newer"},
      {Forward, Entry(u"tidal", u"\"wave power\""), true, "the newest"},
      {Forward, Typing, false, "past the newest: what was being typed"},
      {Forward, std::nullopt, false, "and no further"},
      {Back, Entry(u"tidal", u"\"wave power\""), true, "starting again at the newest"},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(R.Why);
    EXPECT_EQ(R.Do == Back ? History.Back(Typing) : History.Forward(), R.Shows);
    EXPECT_EQ(History.Stepping(), R.Stepping);
  }
}

TEST(SearchHistory, ASearchOrAnEditEndsStepping) {
  TSearchHistory History;
  History.Add(Entry(u"solar"));
  History.Add(Entry(u"wind"));
  ASSERT_EQ(History.Back(Entry(u"ty")), Entry(u"wind"));
  ASSERT_EQ(History.Back(Entry(u"ty")), Entry(u"solar"));

  History.StopStepping();  // the user edited the shown search
  EXPECT_EQ(History.Back(Entry(u"solar edited")), Entry(u"wind"));
  EXPECT_EQ(History.Forward(), Entry(u"solar edited"));

  ASSERT_TRUE(History.Back(Entry(u"ty")));
  History.Add(Entry(u"tidal"));
  EXPECT_FALSE(History.Stepping());
  EXPECT_EQ(History.Back(Entry(u"")), Entry(u"tidal"));
}

TEST(SearchHistory, AnEmptyHistoryShowsNothing) {
  TSearchHistory History;
  EXPECT_EQ(History.Back(Entry(u"typing")), std::nullopt);
  EXPECT_EQ(History.Forward(), std::nullopt);
  EXPECT_FALSE(History.Stepping());
}

TEST(SearchHistory, OnlyARepeatOfTheNewestSearchIsDropped) {
  struct Case {
    std::vector<TSearchEntry> Added;
    std::size_t Kept;
    const char* Why;
  };
  const Case Cases[] = {
      {{Entry(u"solar"), Entry(u"solar"), Entry(u"solar")}, 1, "the same search again and again"},
      {{Entry(u"solar"), Entry(u"wind"), Entry(u"solar")}, 3, "an older search again"},
      {{Entry(u"solar", u"cheap"), Entry(u"solar")}, 2, "same words, other excluded words"},
      {{Entry(u"solar"), Entry(u"Solar")}, 2, "case counts"},
      {{Entry(u"solar"), Entry(u"solar ")}, 2, "spaces count"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    TSearchHistory History;
    std::size_t Answered = 0;
    for (const TSearchEntry& Search : C.Added) Answered += History.Add(Search) ? 1 : 0;
    EXPECT_EQ(History.Searches().size(), C.Kept);
    EXPECT_EQ(Answered, C.Kept) << "Add answers whether it kept the search";
  }
}

TEST(SearchHistory, KeepsTheNewest200) {
  TSearchHistory History;
  for (std::size_t N = 1; N <= 205; ++N) History.Add(Entry(Numbered(N)));
  ASSERT_EQ(History.Searches().size(), TSearchHistory::kMaxSearches);
  EXPECT_EQ(History.Searches().front(), Entry(Numbered(6)));
  EXPECT_EQ(History.Searches().back(), Entry(Numbered(205)));

  // Assign applies the same rules to a list read back.
  std::vector<TSearchEntry> Read{Entry(u"a"), Entry(u"a"), Entry(u"b")};
  for (std::size_t N = 1; N <= 250; ++N) Read.push_back(Entry(Numbered(N)));
  History.Assign(Read);
  ASSERT_EQ(History.Searches().size(), TSearchHistory::kMaxSearches);
  EXPECT_EQ(History.Searches().front(), Entry(Numbered(51)));

  History.Clear();
  EXPECT_TRUE(History.Searches().empty());
  EXPECT_EQ(History.Back(Entry(u"x")), std::nullopt);
}

}  // namespace
