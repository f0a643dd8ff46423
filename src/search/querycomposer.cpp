#include "search/querycomposer.h"

#include <cstddef>

TQueryComposer::TQueryComposer(TSearchState& State, const TMainWindowView& View)
    : FState(State), FView(View) {}

bool TQueryComposer::Compose() {
  FState.SearchText = FView.Edit4Text();
  if (FState.SearchText.size() < 2) return false;

  if (FView.Checked(TMainCheckBox::CheckBox1)) {
    FState.SearchText = u'"' + FState.SearchText + u'"';
  }
  if (FView.Checked(TMainCheckBox::CheckBox2)) {
    FState.SearchText = u"site:" + FState.SearchText;
  }
  if (!FView.Edit5Text().empty()) {
    SplitExcludedWords();
    for (int Index = 0; Index < FState.ExcludedCount; ++Index) {
      FState.SearchText += u" -";
      FState.SearchText += FState.ExcludedWords[Index];
    }
  }
  return true;
}

void TQueryComposer::SplitExcludedWords() {
  SplitExcludedLine(FView.Edit5Text(), FState);
}

void TQueryComposer::SplitExcludedLine(std::u16string_view Line,
                                       TSearchState& State) {
  for (std::u16string& Word : State.ExcludedWords) Word.clear();
  State.ExcludedCount = 0;

  // Terms counts every term the line holds, kept or not; characters of a
  // term past the last entry are dropped with it.
  std::size_t Terms = 0;
  bool InPhrase = false;
  bool InWord = false;
  const auto Append = [&](char16_t C) {
    if (Terms <= State.ExcludedWords.size()) State.ExcludedWords[Terms - 1] += C;
  };
  const auto StartTerm = [&](char16_t C) {
    ++Terms;
    Append(C);
  };

  for (const char16_t C : Line) {
    if (C == u'"') {
      if (InPhrase) {
        Append(C);
        InPhrase = false;
      } else {
        InPhrase = true;
        StartTerm(C);
      }
    } else if (InPhrase) {
      Append(C);
    } else if (C == u' ') {
      InWord = false;
    } else if (InWord) {
      Append(C);
    } else {
      InWord = true;
      StartTerm(C);
    }
  }
  State.ExcludedCount = static_cast<int>(
      Terms < State.ExcludedWords.size() ? Terms : State.ExcludedWords.size());
}
