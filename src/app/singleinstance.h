// AcquireSingleInstance: the start-up guard that keeps a second copy of the
// program from running.
//
// It tries the lock named AppName. When the name is held or the lock cannot
// be made, it gives this attempt back, waits 2000 ms through Sleep and tries
// once more; when that fails the same way it calls Beep once, gives the
// second attempt back and answers false: the program then ends with exit
// code 0 without showing anything. Otherwise it answers true and the handle
// of the attempt that succeeded stays open, kept by Lock, for as long as Lock
// lives. Empty Sleep or Beep functions are skipped.
//
// Typical use at start-up, with a lock object that lives until exit:
//   static TSystemProcessLock Lock;
//   auto Sleep = [](int Ms) { std::this_thread::sleep_for(std::chrono::milliseconds(Ms)); };
//   if (!AcquireSingleInstance(Lock, Sleep, QApplication::beep)) return 0;
#pragma once

#include <functional>

#include "app/processlock.h"

inline constexpr int SingleInstanceRetryDelayMs = 2000;

bool AcquireSingleInstance(TProcessLock& Lock, const std::function<void(int Ms)>& Sleep,
                           const std::function<void()>& Beep);
