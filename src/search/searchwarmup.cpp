#include "search/searchwarmup.h"

#include "search/searchurl.h"
#include "settings/engineslots.h"

#include <utility>

TSearchWarmUp::TSearchWarmUp(const TMainWindowView& View, TCommandSource Commands, TPreconnect Preconnect,
                             bool Enabled)
    : FView(View), FCommands(std::move(Commands)), FPreconnect(std::move(Preconnect)), FEnabled(Enabled) {}

void TSearchWarmUp::WordsEdited() {
  if (!FEnabled || !FArmed || !FPreconnect) return;
  FArmed = false;
  for (int Slot = 1; Slot <= SlotCount; ++Slot) {
    if (!FView.Checked(TMainWindowView::EngineCheckBox(Slot))) continue;
    if (const auto Origin = SearchOrigin(FCommands(Slot))) FPreconnect(*Origin);
  }
}

void TSearchWarmUp::SearchDispatched() { FArmed = true; }
