// TSystemProcessLock: the operating system's per-user process lock.
//
// Windows: a named mutex (CreateMutexW without security attributes, not
// owned, in the session namespace); "already exists" is ERROR_ALREADY_EXISTS.
//
// POSIX: an exclusive, non-blocking flock on the file
// <folder>/<Name>-<uid>.lock. The folder is $XDG_RUNTIME_DIR when that is an
// absolute path to an existing folder, else /tmp (fixed rather than $TMPDIR,
// so that copies started from differently set-up shells still meet). The
// kernel drops the lock when the last descriptor goes, so a killed process
// never leaves it behind; the file itself is never removed (removing it
// would let two copies lock two different files). Descriptors are
// close-on-exec, so child programs never inherit the lock. A lock held
// through another descriptor, in this process or another, counts as
// "already exists" and still yields a handle. The attempt refuses (null
// handle) a lock file that is a symbolic link, not a regular file, not owned
// by the effective user, or readable or writable by group or others (anyone
// who can open it could hold the lock); names that are empty or contain '/',
// a NUL or an unpaired surrogate are refused too.
//
// Lifetime: handles still open when the object is destroyed are closed then,
// so the program keeps one object alive for its whole run to keep its lock.
// Close ignores handles this object did not issue or already closed. Not
// thread-safe: use one object from one thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/processlock.h"

class TSystemProcessLock final : public TProcessLock {
 public:
  TSystemProcessLock();
#ifndef _WIN32
  // Keeps its lock files in Folder instead of the default folder.
  explicit TSystemProcessLock(std::string Folder);
#endif
  ~TSystemProcessLock() override;
  TSystemProcessLock(const TSystemProcessLock&) = delete;
  TSystemProcessLock& operator=(const TSystemProcessLock&) = delete;

  TLockAttempt Create(std::u16string_view Name) override;
  void Close(TLockHandle Handle) override;

#ifndef _WIN32
  // The lock file for Name, or nothing for a refused name.
  std::optional<std::string> LockPath(std::u16string_view Name) const;
  // $XDG_RUNTIME_DIR when usable, else /tmp.
  static std::string DefaultFolder();
#endif

 private:
  void Release(TLockHandle Handle);

#ifndef _WIN32
  std::string FFolder;
#endif
  std::vector<TLockHandle> FOpenHandles;
};
