#include "app/singleinstance.h"

#include "app/appname.h"

namespace {

bool Refused(const TLockAttempt& Attempt) {
  return Attempt.AlreadyExists || Attempt.Handle == nullptr;
}

}  // namespace

bool AcquireSingleInstance(TProcessLock& Lock, const std::function<void(int Ms)>& Sleep,
                           const std::function<void()>& Beep) {
  const TLockAttempt First = Lock.Create(AppName);
  if (!Refused(First)) return true;

  // Hold nothing while waiting, so a copy that is closing can finish.
  Lock.Close(First.Handle);
  if (Sleep) Sleep(SingleInstanceRetryDelayMs);

  const TLockAttempt Second = Lock.Create(AppName);
  if (!Refused(Second)) return true;

  if (Beep) Beep();
  Lock.Close(Second.Handle);
  return false;
}
