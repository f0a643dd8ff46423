// AcquireSingleInstance: the start-up guard that keeps a second copy of the
// program from running.
//
// It tries the lock named AppName. When the name is held or the lock cannot
// be made, it gives this attempt back, waits 2000 ms through Sleep and tries
// once more; when that fails the same way it calls Beep once, gives the
// second attempt back and answers AlreadyRunning: the program then ends with
// exit code 0 without showing anything. A lock that cannot be used safely
// (the attempt carries an Error) is no running copy: the guard answers
// LockUnusable at once, without waiting or beeping, and sets Message to
// "Varnesk cannot use its lock file <file>: <why>" for the program to show
// before it ends with a non-zero code. Otherwise it answers Acquired and the
// handle of the attempt that succeeded stays open, kept by Lock, for as long
// as Lock lives. Empty Sleep or Beep functions are skipped.
//
// Typical use at start-up, with a lock object that lives until exit:
//   static TSystemProcessLock Lock;
//   auto Sleep = [](int Ms) { std::this_thread::sleep_for(std::chrono::milliseconds(Ms)); };
//   std::u16string Message;
//   switch (AcquireSingleInstance(Lock, Sleep, QApplication::beep, Message)) { ... }
#pragma once

#include <functional>
#include <string>

#include "app/processlock.h"

inline constexpr int SingleInstanceRetryDelayMs = 2000;

enum class TInstanceGuard { Acquired, AlreadyRunning, LockUnusable };

TInstanceGuard AcquireSingleInstance(TProcessLock& Lock, const std::function<void(int Ms)>& Sleep,
                                     const std::function<void()>& Beep, std::u16string& Message);
