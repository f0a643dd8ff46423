// TSearchDispatcher: the second half of the search action, and the three
// engine slots' workers.
//
// Dispatch clears the three done flags, then starts the worker of every
// ticked engine in slot order and returns at once. Each run gets the slot's
// search command and the query as they stood at dispatch, so neither the
// settings window's boxes nor SearchText is read off the UI thread; it
// builds the slot's URL with SearchUrl on its own thread and hands exactly
// one navigation request to its pane on the UI thread (through the run's
// Synchronize). A slot whose previous run has not yet ended ignores the
// search. A command that gives no http or https URL (no scheme, no host,
// another scheme, an unpaired surrogate) ends that run silently and leaves
// its pane alone.
//
// Lifetime: owns the three worker components; destroying the dispatcher
// waits for runs still going (their navigation requests are dropped). The
// panes, flags and view are borrowed and must outlive it. UI thread only,
// except for the runs themselves.
#pragma once

#include "panes/browserpane.h"
#include "panes/mainwindowview.h"
#include "panes/panedone.h"
#include "settings/engineslots.h"
#include "threads/component.h"

#include <functional>
#include <memory>
#include <string>

class TWorkerExecuteThread;
class TWorkerThread;

// What one run needs, captured on the UI thread when the search is dispatched.
struct TSearchRequest {
  std::u16string Command;
  std::u16string Query;
};

class TSearchDispatcher {
 public:
  // The search command of engine slot 1, 2 or 3, read on the UI thread.
  using TCommandSource = std::function<std::u16string(int Slot)>;

  // Panes[0..2] serve slots 1..3.
  TSearchDispatcher(const TPerSlot<TBrowserPane*>& Panes, TPaneDoneFlags& Flags, const TMainWindowView& View,
                    TCommandSource Commands);
  ~TSearchDispatcher();

  // Clears the done flags and starts the ticked slots' workers with Query.
  void Dispatch(const std::u16string& Query);

  // The worker of engine slot 1, 2 or 3.
  TWorkerThread& WorkerThread(int Slot);

 private:
  struct TSlot {
    TWorkerThread* Worker = nullptr;
    TBrowserPane* Pane = nullptr;
    // The request of the slot's current or last run; replaced only when a
    // new run starts, so a run's request outlives the run.
    std::unique_ptr<TSearchRequest> Request;
  };

  void StartSlot(int Slot, const std::u16string& Query);
  void WorkerExecute(int Slot, TWorkerExecuteThread* Thread, void* Data);

  // Owns the workers; declared before the slots that point at them.
  TComponent FOwner{nullptr};
  TPerSlot<TSlot> FSlots;
  TPaneDoneFlags& FFlags;
  const TMainWindowView& FView;
  TCommandSource FCommands;
  // Set by the destructor; read on the UI thread only.
  bool FClosing = false;
};
