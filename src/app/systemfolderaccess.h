// TSystemFolderAccess: TFolderAccess over the real file system.
//
// Windows: GetFileAttributesW; for a reparse point (symbolic link,
// junction) the target is opened and its attributes are read instead, so a
// link counts as a folder only when its target opens and is one.
// CreateDirectoryW without security attributes.
//
// POSIX: stat (which follows links) and mkdir with mode 0777 less the umask,
// the rights of any folder the user makes. Paths are turned into UTF-8; a
// path with an embedded NUL or an unpaired surrogate is never passed to the
// system: its attributes read as ERROR_INVALID_NAME and it is not created.
// errno becomes a Windows code as follows (WindowsErrorFromErrno):
//
//   ENOENT                                   2    ERROR_FILE_NOT_FOUND   absent
//   ENOTDIR (a prefix is no folder)          3    ERROR_PATH_NOT_FOUND   absent
//   ENOMEDIUM, ENODEV, ENXIO                 21   ERROR_NOT_READY        absent
//   EHOSTDOWN, EHOSTUNREACH, ENETUNREACH     53   ERROR_BAD_NETPATH      absent
//   ENAMETOOLONG, EINVAL, EILSEQ             123  ERROR_INVALID_NAME     absent
//   EACCES, EPERM                            5    ERROR_ACCESS_DENIED    present
//   ENOMEM                                   8    ERROR_NOT_ENOUGH_MEMORY present
//   EIO                                      1117 ERROR_IO_DEVICE        present
//   ELOOP (too many links)                   1921 ERROR_CANT_RESOLVE_FILENAME present
//   anything else                            31   ERROR_GEN_FAILURE      present
//
// Stateless; safe from any thread.
#pragma once

#include <cstdint>

#include "app/folderaccess.h"

class TSystemFolderAccess final : public TFolderAccess {
 public:
  TPathAttributes Attributes(std::u16string_view Path) override;
  void CreateFolder(std::u16string_view Path) override;
};

#ifndef _WIN32
namespace varnesk::app {

std::uint32_t WindowsErrorFromErrno(int Errno);

}  // namespace varnesk::app
#endif
