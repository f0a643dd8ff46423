// TSystemFileLayer: TFileLayer on the platform's file system.
//
// POSIX: open/read/write/fsync/rename/close on the name converted to UTF-8
// (an unpaired surrogate becomes U+FFFD); errno is mapped by
// WindowsErrorFromErrno (file use), where ENOENT counts as "path not found" when the
// file's folder is missing. Replace keeps the permission bits of the file it
// replaces (and, when running as root, its owner and group) and syncs the
// folder afterwards (best effort). A symbolic link in the replaced file's
// place is itself replaced.
// Windows: CreateFileW/ReadFile/WriteFile/FlushFileBuffers/MoveFileExW
// (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)/CloseHandle, with
// GetLastError's codes as they are.
// Stateless; SystemFileLayer() returns the one instance.
#pragma once

#include "settings/filelayer.h"

class TSystemFileLayer final : public TFileLayer {
 public:
  bool FileExists(const std::u16string& Name) override;
  int OpenRead(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) override;
  int CheckWritable(const std::u16string& Name) override;
  int Create(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) override;
  int Replace(const std::u16string& From, const std::u16string& To) override;
  void Remove(const std::u16string& Name) override;
};
