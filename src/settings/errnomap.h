// ErrorCodeFromErrno: the Windows system error code that stands for a POSIX
// errno, so that the settings file's errors read the same on every platform.
// POSIX only (Windows reports its own codes).
//
//   ENOENT                      2 file not found, or 3 path not found when
//                                 the file's folder is missing
//   ENOTDIR                     3 path not found (a folder in the path is a file)
//   EACCES EPERM EROFS EISDIR   5 access denied
//   EMFILE ENFILE               4 too many open files
//   ENOSPC EDQUOT             112 disk full
//   EBUSY ETXTBSY              32 sharing violation
//   EAGAIN                     33 lock violation
//   ENAMETOOLONG              206 file name too long
//   ELOOP                    1921 name cannot be resolved (link loop)
//   EEXIST                     80 file exists
//   ENOTEMPTY                 145 folder not empty
//   EXDEV                      17 not the same device
//   EFBIG                     223 file too large
//   EIO                      1117 device I/O error
//   ENOMEM                      8 not enough memory
//   EBADF                       6 invalid handle
//   EINVAL                     87 invalid parameter
//   ENXIO ENODEV               21 device not ready
//   anything else              31 general failure
#pragma once

int ErrorCodeFromErrno(int Errno, bool FolderMissing);
