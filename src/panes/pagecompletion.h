// TPageCompletion: the main window's handlers for the panes' navigation
// events.
//
// Before-navigate (every navigation of a pane, frames inside its page
// included) marks the pane's slot not done. Document-complete tests that the
// page is ready (a document, a body, a root client width above 0); then, only
// with auto-scroll on, sets the page's horizontal position to the slot's
// distance once per navigation (so a page back from history is not pushed
// further), marks the slot done, and when both other slots are done (or
// their engines unticked, read at that moment) and delete-words is on,
// empties the words line and then the excluded-words line. With auto-scroll
// off a completion changes nothing, though the readiness reads are made.
// Only the engine's own pages and local pages are scrolled
// (AutoScrollApplies); any other page is marked done where it stands. The
// lines are emptied once per search (TPaneDoneFlags::LinesPending): a link
// followed or a reload later leaves what the user has typed since.
//
// The settings and check boxes are read at each event, never remembered. A
// pane call that throws ends the handler at that point and the exception
// propagates to the event's raiser, which shows it; what was done before
// stays, and a failed scroll leaves the flag false so the next completion
// scrolls again.
//
// Lifetime: the panes, flags, settings and view are borrowed and must
// outlive this object, as must the pane event bindings made by BindEvents.
// UI thread only.
#pragma once

#include <functional>
#include <string>

#include "panes/browserpane.h"
#include "panes/mainwindowview.h"
#include "panes/panedone.h"
#include "settings/engineslots.h"
#include "settings/settings.h"

class TPageCompletion {
 public:
  // The search command of engine slot 1, 2 or 3, read at each completion.
  using TSearchCommand = std::function<std::u16string(int Slot)>;

  // Panes[0..2] are WebBrowser1..WebBrowser3; a null pane is ignored.
  explicit TPageCompletion(const TPerSlot<TBrowserPane*>& Panes,
                           TPaneDoneFlags& Flags, const TSettings& Settings,
                           TMainWindowView& View, TSearchCommand SearchCommand);

  // Points each pane's OnBeforeNavigate2 and OnDocumentComplete at the
  // handlers of its slot.
  void BindEvents();

  // The handlers of engine slot 1, 2 or 3; other slots are ignored.
  void BeforeNavigate2(int Slot);
  void DocumentComplete(int Slot);

 private:
  bool OtherSlotDone(int Slot) const;

  TPerSlot<TBrowserPane*> FPanes{};
  TPaneDoneFlags& FFlags;
  const TSettings& FSettings;
  TMainWindowView& FView;
  TSearchCommand FSearchCommand;
};
