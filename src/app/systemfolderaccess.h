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
// errno becomes a Windows code through WindowsErrorFromErrno (folder use).
//
// Stateless; safe from any thread.
#pragma once

#include "app/folderaccess.h"

class TSystemFolderAccess final : public TFolderAccess {
 public:
  TPathAttributes Attributes(std::u16string_view Path) override;
  void CreateFolder(std::u16string_view Path) override;
};
