// TSearchHistoryControl: the main window's search history. Up and Down in
// either input line step through the earlier searches, filling both lines;
// the words line's context menu offers "Remember searches" (the preference
// RememberSearches) and "Clear search history".
//
// Only while searches are remembered is the history kept on disk
// (THistoryFile): read once here at start, written after each new search,
// written empty by Clear; ticking the option writes it at once and
// unticking it deletes the file. A file that cannot be read as a history is
// ignored and left untouched until one of those writes replaces it. Write
// failures are reported on the console only, like the preferences'.
//
// Created by the main window after the preferences are loaded; a child of
// it, living as long as the two lines. UI thread only.
#pragma once

#include "history/historyfile.h"
#include "history/searchhistory.h"

#include <QObject>

#include <functional>

class TApplicationState;
class TEdit;

class TSearchHistoryControl : public QObject {
  Q_OBJECT
 public:
  // SavePreferences writes TApplicationState::Preferences to their file.
  TSearchHistoryControl(TApplicationState& State, TEdit& Words, TEdit& Excluded,
                        std::function<void()> SavePreferences, QObject* Parent);

  // A search went ahead with what the two lines hold now.
  void SearchStarted();
  void SetRemember(bool Remember);
  void Clear();

  const TSearchHistory& History() const { return FHistory; }

 private:
  TSearchEntry Lines() const;
  bool KeyDown(int Key);
  void Show(const TSearchEntry& Search);
  void Save();

  TApplicationState& FState;
  TEdit& FWords;
  TEdit& FExcluded;
  std::function<void()> FSavePreferences;
  THistoryFile FFile;
  TSearchHistory FHistory;
};
