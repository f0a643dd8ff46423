// TSystemProcessLock: the operating system's per-user process lock.
//
// Windows: a named mutex (CreateMutexW without security attributes, not
// owned, in the session namespace); "already exists" is ERROR_ALREADY_EXISTS.
//
// POSIX: an exclusive, non-blocking flock on the file
// <folder>/<Name>-<uid>.lock. The folder is the user's own,
// $XDG_STATE_HOME/Varnesk when that variable is an absolute path, else
// $HOME/.local/state/Varnesk (the password database's home when HOME is not
// absolute): one place whatever the shell's environment, so every copy of
// one user meets the same lock, and one that other users cannot write to, so
// nobody else can plant or hold it. XDG_RUNTIME_DIR is not used: it is not
// set in every session of a user. Each attempt creates the missing folder
// levels with mode 0700. The kernel drops the lock when the last descriptor
// goes, so a killed process never leaves it behind; the file itself is never
// removed (removing it would let two copies lock two different files).
// Descriptors are close-on-exec, so child programs never inherit the lock. A
// lock held through another descriptor, in this process or another, counts
// as "already exists" and still yields a handle.
//
// A lock that cannot be used safely gives a null handle and an Error saying
// why: a folder that cannot be created, is a symbolic link, is not a folder,
// belongs to another user or is writable by group or others; a lock file
// that is a symbolic link, is not a regular file, belongs to another user,
// is readable or writable by group or others (anyone who can open it could
// hold the lock), or cannot be opened or locked; a name that is empty or
// contains '/', a NUL or an unpaired surrogate. A planted file is never
// changed.
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
  // The user's state folder for the program, as described above.
  static std::string DefaultFolder();
#endif

 private:
  void Release(TLockHandle Handle);

#ifndef _WIN32
  std::string FFolder;
#endif
  std::vector<TLockHandle> FOpenHandles;
};
