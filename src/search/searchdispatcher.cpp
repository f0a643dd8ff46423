#include "search/searchdispatcher.h"

#include "search/searchurl.h"

#include "threads/workerexecutethread.h"
#include "threads/workerthread.h"

TSearchDispatcher::TSearchDispatcher(const TPerSlot<TBrowserPane*>& Panes, TPaneDoneFlags& Flags,
                                     const TMainWindowView& View, TCommandSource Commands)
    : FFlags(Flags), FView(View), FCommands(std::move(Commands)) {
  for (int slot = 1; slot <= SlotCount; ++slot) {
    TSlot& entry = FSlots[SlotIndex(slot)];
    entry.Pane = Panes[SlotIndex(slot)];
    entry.Worker = new TWorkerThread(&FOwner);
    entry.Worker->SetPriority(tpHighest);
    entry.Worker->SetUpdateEnabled(false);
    entry.Worker->SetOnExecute([this, slot](TObject*, TWorkerExecuteThread* Thread, void*& Data) {
      WorkerExecute(slot, Thread, Data);
    });
  }
}

// The workers' handlers use the slots: free the workers while they exist.
TSearchDispatcher::~TSearchDispatcher() {
  FClosing = true;
  FOwner.DestroyComponents();
}

TWorkerThread& TSearchDispatcher::WorkerThread(int Slot) { return *FSlots[SlotIndex(Slot)].Worker; }

void TSearchDispatcher::Dispatch(const std::u16string& Query) {
  FFlags.ClearAll();
  for (int slot = 1; slot <= SlotCount; ++slot) {
    if (FView.Checked(TMainWindowView::EngineCheckBox(slot))) StartSlot(slot, Query);
  }
}

void TSearchDispatcher::StartSlot(int Slot, const std::u16string& Query) {
  TSlot& entry = FSlots[SlotIndex(Slot)];
  // A busy slot ignores the search; its running request must stay intact.
  if (entry.Worker->Runing()) return;
  entry.Request = std::make_unique<TSearchRequest>(TSearchRequest{FCommands(Slot), Query});
  entry.Worker->Start(entry.Request.get());
}

void TSearchDispatcher::WorkerExecute(int Slot, TWorkerExecuteThread* Thread, void* Data) {
  const auto* request = static_cast<const TSearchRequest*>(Data);
  const std::u16string url = SearchUrl(request->Command, request->Query);
  TBrowserPane* pane = FSlots[SlotIndex(Slot)].Pane;
  if (!pane) return;
  // Runs still going when the dispatcher is destroyed no longer navigate.
  Thread->Synchronize(TNotifyEvent([this, pane, &url](TObject*) {
    if (!FClosing) pane->Navigate(url);
  }));
}
