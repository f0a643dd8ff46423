#include "panes/pagecompletion.h"

#include "browsing/autoscrollhost.h"

#include <utility>

namespace {

bool ValidSlot(int Slot) { return Slot >= 1 && Slot <= 3; }

}  // namespace

TPageCompletion::TPageCompletion(const TPerSlot<TBrowserPane*>& Panes,
                                 TPaneDoneFlags& Flags,
                                 const TSettings& Settings,
                                 TMainWindowView& View,
                                 TSearchCommand SearchCommand)
    : FPanes(Panes),
      FFlags(Flags),
      FSettings(Settings),
      FView(View),
      FSearchCommand(std::move(SearchCommand)) {}

void TPageCompletion::BindEvents() {
  for (int Slot = 1; Slot <= 3; ++Slot) {
    TBrowserPane* Pane = FPanes[SlotIndex(Slot)];
    if (Pane == nullptr) continue;
    Pane->OnBeforeNavigate2 = [this, Slot] { BeforeNavigate2(Slot); };
    Pane->OnDocumentComplete = [this, Slot] { DocumentComplete(Slot); };
  }
}

void TPageCompletion::BeforeNavigate2(int Slot) {
  if (!ValidSlot(Slot)) return;
  FFlags.PaneDone(Slot) = false;
}

void TPageCompletion::DocumentComplete(int Slot) {
  if (!ValidSlot(Slot)) return;
  TBrowserPane* Pane = FPanes[SlotIndex(Slot)];
  if (Pane == nullptr) return;

  if (!Pane->HasDocument()) return;
  if (!Pane->HasBody()) return;
  if (Pane->RootClientWidth() <= 0) return;
  if (!FSettings.AutoScrollRight) return;

  bool& Done = FFlags.PaneDone(Slot);
  if (!Done && AutoScrollApplies(Pane->DocumentUrl(), FSearchCommand ? FSearchCommand(Slot) : std::u16string())) {
    Pane->ScrollHorizontallyTo(FSettings.ScrollPixels(Slot));
  }
  Done = true;

  for (int Other = 1; Other <= 3; ++Other) {
    if (Other != Slot && !OtherSlotDone(Other)) return;
  }
  if (!FFlags.LinesPending) return;
  FFlags.LinesPending = false;
  if (!FSettings.DeleteWordsOnComplete) return;
  FView.SetEdit4Text(std::u16string());
  FView.SetEdit5Text(std::u16string());
}

bool TPageCompletion::OtherSlotDone(int Slot) const {
  // The box is read only when the flag is false, and read now.
  return FFlags.PaneDone(Slot) ||
         !FView.Checked(TMainWindowView::EngineCheckBox(Slot));
}
