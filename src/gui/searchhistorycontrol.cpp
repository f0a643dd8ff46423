#include "gui/searchhistorycontrol.h"

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"

#include <QDebug>
#include <QMenu>

#include <utility>

TSearchHistoryControl::TSearchHistoryControl(TApplicationState& State, TEdit& Words, TEdit& Excluded,
                                             std::function<void()> SavePreferences, QObject* Parent)
    : QObject(Parent),
      FState(State),
      FWords(Words),
      FExcluded(Excluded),
      FSavePreferences(std::move(SavePreferences)),
      FFile(State.DataFolder) {
  if (FState.Preferences.RememberSearches) {
    if (const auto searches = FFile.Load()) FHistory.Assign(*searches);
  }
  for (TEdit* line : {&FWords, &FExcluded}) {
    line->OnKeyDown = [this](int Key) { return KeyDown(Key); };
    // Typing over a shown search makes it the text being typed.
    connect(line, &QLineEdit::textEdited, this, [this] { FHistory.StopStepping(); });
  }
  FWords.OnContextMenu = [this](QMenu& Menu) {
    Menu.addSeparator();
    QAction* remember = Menu.addAction(QStringLiteral("Remember searches"));
    remember->setCheckable(true);
    remember->setChecked(FState.Preferences.RememberSearches);
    connect(remember, &QAction::toggled, this, [this](bool On) { SetRemember(On); });
    connect(Menu.addAction(QStringLiteral("Clear search history")), &QAction::triggered, this, [this] { Clear(); });
  };
}

TSearchEntry TSearchHistoryControl::Lines() const {
  return {FWords.text().toStdU16String(), FExcluded.text().toStdU16String()};
}

void TSearchHistoryControl::SearchStarted() {
  if (FHistory.Add(Lines()) && FState.Preferences.RememberSearches) Save();
}

void TSearchHistoryControl::SetRemember(bool Remember) {
  FState.Preferences.RememberSearches = Remember;
  FSavePreferences();
  if (Remember) {
    Save();
  } else {
    FFile.Remove();
  }
}

void TSearchHistoryControl::Clear() {
  FHistory.Clear();
  if (FState.Preferences.RememberSearches) {
    Save();
  } else {
    FFile.Remove();
  }
}

bool TSearchHistoryControl::KeyDown(int Key) {
  std::optional<TSearchEntry> shown;
  if (Key == Qt::Key_Up) {
    shown = FHistory.Back(Lines());
  } else if (Key == Qt::Key_Down) {
    shown = FHistory.Forward();
  }
  if (!shown) return false;
  Show(*shown);
  return true;
}

void TSearchHistoryControl::Show(const TSearchEntry& Search) {
  FWords.setText(QString::fromStdU16String(Search.Words));
  FExcluded.setText(QString::fromStdU16String(Search.Excluded));
}

void TSearchHistoryControl::Save() {
  if (const int code = FFile.Save(FHistory.Searches())) {
    qWarning().noquote() << QStringLiteral("Varnesk cannot save its search history (system error %1)").arg(code);
  }
}
