#include "syserror/syserror.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(WindowsErrorFromErrno, MapsEachUseOntoItsCodes) {
  const struct {
    int Errno;
    int File;
    int Folder;
    const char* Reason;
  } Cases[] = {
      {ENOENT, 2, 2, "absent"},
      {ENOTDIR, 3, 3, "a prefix is no folder"},
      {EACCES, 5, 5, "denied"},
      {EPERM, 5, 5, "denied"},
      {EROFS, 5, 31, "writing refused; a folder test never writes"},
      {EISDIR, 5, 31, "the file's name is a folder"},
      {EMFILE, 4, 31, "out of handles"},
      {ENFILE, 4, 31, "out of handles"},
      {ENOSPC, 112, 31, "disk full"},
      {EDQUOT, 112, 31, "quota full"},
      {EBUSY, 32, 31, "in use"},
      {ETXTBSY, 32, 31, "in use"},
      {EAGAIN, 33, 31, "locked"},
      {ENAMETOOLONG, 206, 123, "too long: a message code for files, an absent name for folders"},
      {EINVAL, 87, 123, "bad argument: a message code for files, an absent name for folders"},
      {EILSEQ, 31, 123, "a name the file system cannot hold is absent"},
      {ELOOP, 1921, 1921, "link loop"},
      {EEXIST, 80, 31, "exists"},
      {ENOTEMPTY, 145, 31, "folder not empty"},
      {EXDEV, 17, 31, "rename across devices"},
      {EFBIG, 223, 31, "too large"},
      {EIO, 1117, 1117, "device error"},
      {ENOMEM, 8, 8, "out of memory"},
      {EBADF, 6, 31, "bad handle"},
      {ENXIO, 21, 21, "no device"},
      {ENODEV, 21, 21, "no device"},
      {ENOMEDIUM, 31, 21, "no medium: absent for folders"},
      {EHOSTDOWN, 31, 53, "unreachable host: absent for folders"},
      {EHOSTUNREACH, 31, 53, "unreachable host: absent for folders"},
      {ENETUNREACH, 31, 53, "unreachable network: absent for folders"},
      {ECHILD, 31, 31, "unmapped: general failure"},
      {0, 31, 31, "not an error number at all"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Reason);
    SCOPED_TRACE(Case.Errno);
    EXPECT_EQ(WindowsErrorFromErrno(Case.Errno, TErrnoUse::File), Case.File);
    EXPECT_EQ(WindowsErrorFromErrno(Case.Errno, TErrnoUse::Folder), Case.Folder);
  }
}

}  // namespace
