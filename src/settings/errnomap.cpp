#include "settings/errnomap.h"

#include "settings/inouterror.h"

#include <cerrno>

namespace {

struct TErrnoCode {
  int Errno;
  int Code;
};

// First match wins, so aliases (EAGAIN == EWOULDBLOCK, ENOTEMPTY == EEXIST
// on some systems) need no care.
constexpr TErrnoCode ErrnoTable[] = {
    {ENOENT, IoCode::FileNotFound},
    {ENOTDIR, IoCode::PathNotFound},
    {EACCES, IoCode::AccessDenied},
    {EPERM, IoCode::AccessDenied},
    {EROFS, IoCode::AccessDenied},
    {EISDIR, IoCode::AccessDenied},
    {EMFILE, IoCode::TooManyOpenFiles},
    {ENFILE, IoCode::TooManyOpenFiles},
    {ENOSPC, IoCode::DiskFull},
    {EDQUOT, IoCode::DiskFull},
    {EBUSY, IoCode::SharingViolation},
    {ETXTBSY, IoCode::SharingViolation},
    {EAGAIN, IoCode::LockViolation},
    {ENAMETOOLONG, IoCode::FilenameTooLong},
    {ELOOP, IoCode::CantResolveName},
    {EEXIST, IoCode::FileExists},
    {ENOTEMPTY, IoCode::DirNotEmpty},
    {EXDEV, IoCode::NotSameDevice},
    {EFBIG, IoCode::FileTooLarge},
    {EIO, IoCode::IoDevice},
    {ENOMEM, IoCode::NotEnoughMemory},
    {EBADF, IoCode::InvalidHandle},
    {EINVAL, IoCode::InvalidParameter},
    {ENXIO, IoCode::NotReady},
    {ENODEV, IoCode::NotReady},
};

}  // namespace

int ErrorCodeFromErrno(int Errno, bool FolderMissing) {
  if (Errno == ENOENT && FolderMissing) return IoCode::PathNotFound;
  for (const TErrnoCode& Entry : ErrnoTable)
    if (Entry.Errno == Errno) return Entry.Code;
  return IoCode::GenFailure;
}
