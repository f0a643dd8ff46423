// TFolderAccess: the file-system calls that resolving the data folder makes,
// behind an interface so that the rules over them can be tested with a fake.
//
// Attributes answers like GetFileAttributesW with links followed: whether the
// attributes could be read, whether the path is a directory, and otherwise a
// Windows error code (IoCode; the real layer maps POSIX errno onto these).
// CreateFolder makes one folder level and reports nothing. Paths are UTF-16; implementations must never act on a path other
// than the one given (e.g. one cut short at an embedded NUL).
#pragma once

#include "syserror/syserror.h"

#include <cstdint>
#include <string_view>

struct TPathAttributes {
  bool Readable = false;    // the attributes could be read
  bool Directory = false;   // the path, links followed, is a directory
  std::uint32_t Error = 0;  // Windows error code (IoCode) when not Readable
};

class TFolderAccess {
 public:
  virtual ~TFolderAccess() = default;

  virtual TPathAttributes Attributes(std::u16string_view Path) = 0;
  // Creates the folder Path when its parent exists; failures are silent.
  virtual void CreateFolder(std::u16string_view Path) = 0;
};
