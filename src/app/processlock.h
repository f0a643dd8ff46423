// TProcessLock: a named lock shared by all processes of one user, used only
// to tell whether another copy of the program already holds it.
//
// Create makes one attempt and answers like a Windows named mutex: a handle
// (null when the lock could not be made at all) and whether the name was
// already held. An attempt that finds the name held still yields a handle,
// which must be given back with Close like any other. Close accepts null and
// ignores it. A third answer tells a lock that cannot be used safely (a
// planted link, a file of another user, a folder that cannot be made) from a
// running copy: Error then says why, LockFile names the lock, and the handle
// is null. The start-up guard runs over this interface, so tests drive it
// with a fake and the program with TSystemProcessLock.
//
// Handles are opaque tokens, valid until closed or until the lock object that
// issued them is destroyed.
#pragma once

#include <string>
#include <string_view>

struct TLockObject;  // never defined: handles are only compared and passed back
using TLockHandle = TLockObject*;

struct TLockAttempt {
  TLockHandle Handle = nullptr;  // null: the lock could not be made
  bool AlreadyExists = false;    // the name was held before this attempt
  std::u16string LockFile;       // with Error: where the lock is
  std::u16string Error;          // not empty: the lock cannot be used, and why
};

class TProcessLock {
 public:
  virtual ~TProcessLock() = default;

  // One attempt to take the lock called Name.
  virtual TLockAttempt Create(std::u16string_view Name) = 0;
  // Gives back a handle from Create; null is passed through.
  virtual void Close(TLockHandle Handle) = 0;
};
