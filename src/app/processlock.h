// TProcessLock: a named lock shared by all processes of one user, used only
// to tell whether another copy of the program already holds it.
//
// Create makes one attempt and answers like a Windows named mutex: a handle
// (null when the lock could not be made at all) and whether the name was
// already held. An attempt that finds the name held still yields a handle,
// which must be given back with Close like any other. Close accepts null and
// ignores it. The start-up guard runs over this interface, so tests drive it
// with a fake and the program with TSystemProcessLock.
//
// Handles are opaque tokens, valid until closed or until the lock object that
// issued them is destroyed.
#pragma once

#include <string_view>

struct TLockObject;  // never defined: handles are only compared and passed back
using TLockHandle = TLockObject*;

struct TLockAttempt {
  TLockHandle Handle = nullptr;  // null: the lock could not be made
  bool AlreadyExists = false;    // the name was held before this attempt
};

class TProcessLock {
 public:
  virtual ~TProcessLock() = default;

  // One attempt to take the lock called Name.
  virtual TLockAttempt Create(std::u16string_view Name) = 0;
  // Gives back a handle from Create; null is passed through.
  virtual void Close(TLockHandle Handle) = 0;
};
