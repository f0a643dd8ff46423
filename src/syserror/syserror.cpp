#include "syserror/syserror.h"

#ifndef _WIN32

#include <cerrno>

namespace {

struct TErrnoCodes {
  int Errno;
  int File;
  int Folder;  // names and unreachable media and hosts read as absent
};

// First match wins, so aliases (EAGAIN == EWOULDBLOCK, ENOTEMPTY == EEXIST
// on some systems) need no care.
constexpr TErrnoCodes ErrnoTable[] = {
    {ENOENT, IoCode::FileNotFound, IoCode::FileNotFound},
    {ENOTDIR, IoCode::PathNotFound, IoCode::PathNotFound},
    {EACCES, IoCode::AccessDenied, IoCode::AccessDenied},
    {EPERM, IoCode::AccessDenied, IoCode::AccessDenied},
    {EROFS, IoCode::AccessDenied, IoCode::GenFailure},
    {EISDIR, IoCode::AccessDenied, IoCode::GenFailure},
    {EMFILE, IoCode::TooManyOpenFiles, IoCode::GenFailure},
    {ENFILE, IoCode::TooManyOpenFiles, IoCode::GenFailure},
    {ENOSPC, IoCode::DiskFull, IoCode::GenFailure},
    {EDQUOT, IoCode::DiskFull, IoCode::GenFailure},
    {EBUSY, IoCode::SharingViolation, IoCode::GenFailure},
    {ETXTBSY, IoCode::SharingViolation, IoCode::GenFailure},
    {EAGAIN, IoCode::LockViolation, IoCode::GenFailure},
    {ENAMETOOLONG, IoCode::FilenameTooLong, IoCode::InvalidName},
    {EINVAL, IoCode::InvalidParameter, IoCode::InvalidName},
    {EILSEQ, IoCode::GenFailure, IoCode::InvalidName},
    {ELOOP, IoCode::CantResolveName, IoCode::CantResolveName},
    {EEXIST, IoCode::FileExists, IoCode::GenFailure},
    {ENOTEMPTY, IoCode::DirNotEmpty, IoCode::GenFailure},
    {EXDEV, IoCode::NotSameDevice, IoCode::GenFailure},
    {EFBIG, IoCode::FileTooLarge, IoCode::GenFailure},
    {EIO, IoCode::IoDevice, IoCode::IoDevice},
    {ENOMEM, IoCode::NotEnoughMemory, IoCode::NotEnoughMemory},
    {EBADF, IoCode::InvalidHandle, IoCode::GenFailure},
    {ENXIO, IoCode::NotReady, IoCode::NotReady},
    {ENODEV, IoCode::NotReady, IoCode::NotReady},
#ifdef ENOMEDIUM
    {ENOMEDIUM, IoCode::GenFailure, IoCode::NotReady},
#endif
    {EHOSTDOWN, IoCode::GenFailure, IoCode::BadNetPath},
    {EHOSTUNREACH, IoCode::GenFailure, IoCode::BadNetPath},
    {ENETUNREACH, IoCode::GenFailure, IoCode::BadNetPath},
};

}  // namespace

int WindowsErrorFromErrno(int Errno, TErrnoUse Use) {
  for (const TErrnoCodes& Entry : ErrnoTable)
    if (Entry.Errno == Errno) return Use == TErrnoUse::File ? Entry.File : Entry.Folder;
  return IoCode::GenFailure;
}

#endif
