// TSharedResultsMarker: marks, in each pane, the links whose result another
// pane shows too (the rules are in sharedresults/).
//
// Whenever a pane completes a page, it asks all three pages for their links
// (the page script sharedresults.js, in an isolated world), computes the
// marks and hands each page its own. A newer round drops the answers of an
// older one. The checkable Action() "Mark shared results" turns the marks on
// and off (off removes them) and keeps the choice in the preferences.
// Lives on the UI thread, a child of the main window; the pages may go
// first, and no page is called from inside a script answer.
#pragma once

#include "settings/engineslots.h"
#include "sharedresults/sharedmarks.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QWebEnginePage;
struct TPreferences;

class TSharedResultsMarker : public QObject {
  Q_OBJECT
 public:
  // Save writes the preferences after the action changed them.
  TSharedResultsMarker(const TPerSlot<QWebEnginePage*>& Pages, TPreferences& Preferences,
                       std::function<void()> Save, QObject* Parent);

  QAction* Action() const { return FAction; }

  // Collects every page's links again and marks them (or clears the marks
  // when they are off).
  void Refresh();

 Q_SIGNALS:
  // Every page of a round has been given its marks.
  void marksApplied();

 private:
  void Collected(std::size_t Index, const QVariant& Answer, quint64 Round);
  void Apply(quint64 Round);
  void Applied(quint64 Round);

  TPerSlot<QPointer<QWebEnginePage>> FPages;
  TPreferences& FPreferences;
  std::function<void()> FSave;
  QAction* FAction = nullptr;
  quint64 FRound = 0;
  int FWaiting = 0;
  TPerSlot<TPaneLinks> FLinks;
};
