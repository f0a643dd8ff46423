#include "sharedresults/sharedmarks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::string> Narrow(const std::vector<std::u16string>& Texts) {
  std::vector<std::string> out;
  for (const std::u16string& text : Texts) out.emplace_back(text.begin(), text.end());
  return out;
}

using TStrings = std::vector<std::string>;

TEST(SharedResultMarks, NamesTheOtherSlotsThatShowAResult) {
  const TPerSlot<TPaneLinks> panes{{
      {u"www.google.com",
       {u"https://www.google.com/url?q=https://en.wikipedia.org/wiki/Rust",  // on all three
        u"https://www.rust-lang.org/",                                        // on Bing
        u"https://only-google.example/",                                      // alone
        u"https://www.google.com/preferences",                                // own site
        u"https://en.wikipedia.org/wiki/Rust#History"}},                     // the same result twice
      {u"www.bing.com",
       {u"https://www.bing.com/ck/a?u=a1aHR0cHM6Ly93d3cucnVzdC1sYW5nLm9yZy8",  // rust-lang.org
        u"http://en.wikipedia.org/wiki/Rust/",
        u"https://www.google.com/preferences"}},  // Google's site is no engine site for Bing
      {u"search.yahoo.com",
       {u"https://r.search.yahoo.com/_ylt=A/RU=https%3a%2f%2fen.wikipedia.org%2fwiki%2fRust/RK=2/RS=x",
        u"https://images.search.yahoo.com/search?p=rust"}},
  }};
  const TSharedMarks marks = SharedResultMarks(panes);
  EXPECT_EQ(Narrow(marks[0]), (TStrings{"Bing Yahoo", "Bing", "", "", "Bing Yahoo"}));
  EXPECT_EQ(Narrow(marks[1]), (TStrings{"Google", "Google Yahoo", ""}));
  EXPECT_EQ(Narrow(marks[2]), (TStrings{"Google Bing", ""}));
}

TEST(SharedResultMarks, APaneWithoutLinksMarksNothing) {
  const TPerSlot<TPaneLinks> panes{{
      {u"www.google.com", {u"https://example.org/"}},
      {u"", {}},
      {u"search.yahoo.com", {u"https://example.com/"}},
  }};
  const TSharedMarks marks = SharedResultMarks(panes);
  EXPECT_EQ(Narrow(marks[0]), (TStrings{""}));
  EXPECT_TRUE(marks[1].empty());
  EXPECT_EQ(Narrow(marks[2]), (TStrings{""}));
}

}  // namespace
