#include "app/singleinstance.h"

#include "app/appname.h"

namespace {

bool Refused(const TLockAttempt& Attempt) {
  return Attempt.AlreadyExists || Attempt.Handle == nullptr;
}

TInstanceGuard Unusable(TProcessLock& Lock, const TLockAttempt& Attempt, std::u16string& Message) {
  Lock.Close(Attempt.Handle);
  Message = std::u16string(AppName) + u" cannot use its lock file " + Attempt.LockFile + u": " + Attempt.Error;
  return TInstanceGuard::LockUnusable;
}

}  // namespace

TInstanceGuard AcquireSingleInstance(TProcessLock& Lock, const std::function<void(int Ms)>& Sleep,
                                     const std::function<void()>& Beep, std::u16string& Message) {
  const TLockAttempt First = Lock.Create(AppName);
  if (!First.Error.empty()) return Unusable(Lock, First, Message);
  if (!Refused(First)) return TInstanceGuard::Acquired;

  // Hold nothing while waiting, so a copy that is closing can finish.
  Lock.Close(First.Handle);
  if (Sleep) Sleep(SingleInstanceRetryDelayMs);

  const TLockAttempt Second = Lock.Create(AppName);
  if (!Second.Error.empty()) return Unusable(Lock, Second, Message);
  if (!Refused(Second)) return TInstanceGuard::Acquired;

  if (Beep) Beep();
  Lock.Close(Second.Handle);
  return TInstanceGuard::AlreadyRunning;
}
