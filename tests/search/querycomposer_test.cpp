#include "search/querycomposer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panes/fakemainwindowview.h"

namespace {

using Terms = std::vector<std::u16string>;

Terms TermsOf(const TSearchState& State) {
  return Terms(State.ExcludedWords.begin(), State.ExcludedWords.begin() + State.ExcludedCount);
}

// "wI"
std::u16string Word(int I) {
  std::u16string Text = u"w";
  for (const char C : std::to_string(I)) Text += static_cast<char16_t>(C);
  return Text;
}

// "w1 w2 ... wN"
std::u16string Words(int Count) {
  std::u16string Line;
  for (int I = 1; I <= Count; ++I) Line += (I > 1 ? u" " : u"") + Word(I);
  return Line;
}

TEST(SplitExcludedWords, Table) {
  struct Case {
    std::u16string Line;
    Terms Expected;
  };
  const Case Cases[] = {
      {u"cheap \"used parts\" diy", {u"cheap", u"\"used parts\"", u"diy"}},
      {u"  a   b ", {u"a", u"b"}},
      {u"a\"b c\"", {u"a", u"\"b c\""}},
      {u"\"c d\"e", {u"\"c d\"", u"e"}},
      {u"ab\"c d\"e", {u"ab", u"\"c d\"e"}},
      {u"abc \"def", {u"abc", u"\"def"}},
      {u"\"\"", {u"\"\""}},
      {u"   ", {}},
      {u"", {}},
      {u"\"", {u"\""}},  // a lone quote
      // Only the space separates: tab and no-break space belong to the word.
      {u"a\tb\u00A0c d", {u"a\tb\u00A0c", u"d"}},
      // A quote after a word opens a term; the phrase left open keeps its quote.
      {u"a\"b\"c\"d", {u"a", u"\"b\"c", u"\"d"}},
      // A character outside the BMP is two code units of one word.
      {u"\U0001F600 x", {u"\U0001F600", u"x"}},
  };
  for (const Case& C : Cases) {
    TSearchState State;
    TQueryComposer::SplitExcludedLine(C.Line, State);
    EXPECT_EQ(TermsOf(State), C.Expected);
  }
}

TEST(SplitExcludedWords, RebuildsFromScratchReadingTheExcludedLine) {
  TSearchState State;
  for (std::u16string& Word : State.ExcludedWords) Word = u"old";
  State.ExcludedCount = TSearchState::MaxExcludedWords;
  TFakeMainWindowView View;
  View.Edit5 = u"new";
  TQueryComposer(State, View).SplitExcludedWords();
  EXPECT_EQ(State.ExcludedCount, 1);
  EXPECT_EQ(State.ExcludedWords[0], u"new");
  for (int I = 1; I < TSearchState::MaxExcludedWords; ++I) EXPECT_TRUE(State.ExcludedWords[I].empty());
}

TEST(SplitExcludedWords, TermsPastTheHundredthAreDropped) {
  struct Case {
    std::u16string Line;
    std::u16string Last;
  };
  const Case Cases[] = {
      {Words(100), u"w100"},
      {Words(101), u"w100"},
      {Words(250), u"w100"},
      // Phrases past the limit, one opened inside the 100th word.
      {Words(100) + u" \"p q\" r", u"w100"},
      {Words(100) + u"\"p q\"r", u"w100"},
  };
  for (const Case& C : Cases) {
    TSearchState State;
    TQueryComposer::SplitExcludedLine(C.Line, State);
    EXPECT_EQ(State.ExcludedCount, 100);
    EXPECT_EQ(State.ExcludedWords[99], C.Last);
    EXPECT_EQ(State.ExcludedWords[0], u"w1");
  }
}

TEST(Compose, Table) {
  struct Case {
    std::u16string Words;
    bool Exact;
    bool Site;
    std::u16string Excluded;
    std::u16string Expected;
    bool GoesAhead;
  };
  const Case Cases[] = {
      {u"solar panels", false, false, u"", u"solar panels", true},
      {u"solar panels", true, false, u"", u"\"solar panels\"", true},
      {u"example.org solar", false, true, u"", u"site:example.org solar", true},
      {u"solar panels", true, false, u"cheap \"used parts\" diy",
       u"\"solar panels\" -cheap -\"used parts\" -diy", true},
      {u"solar", false, false, u"ab\"c d\"e", u"solar -ab -\"c d\"e", true},
      {u"say \"hi\"", true, false, u"", u"\"say \"hi\"\"", true},
      // Too short: the text is kept and nothing else happens.
      {u"x", true, true, u"anything", u"x", false},
      {u"x", false, false, u"", u"x", false},
      {u"", true, false, u"a", u"", false},
      {u" ", false, false, u"a", u" ", false},
      // Two code units are enough, spaces and a non-BMP character included.
      {u"  ", false, false, u"", u"  ", true},
      {u"  ", true, false, u"", u"\"  \"", true},
      {u"\U0001F600", false, false, u"", u"\U0001F600", true},
      // Typed text is kept as it stands.
      {u" Solar ", false, false, u"", u" Solar ", true},
      // An excluded line of spaces is split and adds nothing.
      {u"solar", false, false, u"   ", u"solar", true},
      // Were both options ticked, quoting comes first.
      {u"ab", true, true, u"c", u"site:\"ab\" -c", true},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(::testing::PrintToString(C.Words));
    TSearchState State;
    TFakeMainWindowView View;
    View.Edit4 = C.Words;
    View.Edit5 = C.Excluded;
    View.Boxes[0] = C.Exact;
    View.Boxes[1] = C.Site;
    EXPECT_EQ(TQueryComposer(State, View).Compose(), C.GoesAhead);
    EXPECT_EQ(State.SearchText, C.Expected);
    EXPECT_TRUE(View.Calls.empty());  // composition never writes the window
  }
}

TEST(Compose, ExcludedTermsAreLeftAloneUnlessSplit) {
  struct Case {
    std::u16string Words;
    std::u16string Excluded;
    std::u16string Expected;
  };
  const Case Cases[] = {
      {u"solar", u"", u"solar"},  // empty excluded line: not split, not used
      {u"x", u"new", u"x"},       // too short: stops before the split
  };
  for (const Case& C : Cases) {
    TSearchState State;
    State.ExcludedWords[0] = u"old";
    State.ExcludedCount = 1;
    TFakeMainWindowView View;
    View.Edit4 = C.Words;
    View.Edit5 = C.Excluded;
    TQueryComposer(State, View).Compose();
    EXPECT_EQ(State.SearchText, C.Expected);
    EXPECT_EQ(TermsOf(State), Terms{u"old"});
  }
}

TEST(Compose, AppendsAtMostAHundredTerms) {
  TSearchState State;
  TFakeMainWindowView View;
  View.Edit4 = u"solar";
  View.Edit5 = Words(101);
  ASSERT_TRUE(TQueryComposer(State, View).Compose());
  std::u16string Expected = u"solar";
  for (int I = 1; I <= 100; ++I) Expected += u" -" + Word(I);
  EXPECT_EQ(State.SearchText, Expected);
}

}  // namespace
