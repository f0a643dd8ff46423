// TFolderAccess: the file-system calls that resolving the data folder makes,
// behind an interface so that the rules over them can be tested with a fake.
//
// Attributes answers like GetFileAttributesW with links followed: whether the
// attributes could be read, whether the path is a directory, and otherwise a
// Windows error code (the real layer maps POSIX errno onto these codes; see
// systemfolderaccess.h). CreateFolder makes one folder level and reports
// nothing. Paths are UTF-16; implementations must never act on a path other
// than the one given (e.g. one cut short at an embedded NUL).
#pragma once

#include <cstdint>
#include <string_view>

namespace varnesk::app {

// The Windows error codes the folder test tells apart.
inline constexpr std::uint32_t ErrorFileNotFound = 2;
inline constexpr std::uint32_t ErrorPathNotFound = 3;
inline constexpr std::uint32_t ErrorAccessDenied = 5;
inline constexpr std::uint32_t ErrorNotEnoughMemory = 8;
inline constexpr std::uint32_t ErrorNotReady = 21;
inline constexpr std::uint32_t ErrorGenFailure = 31;
inline constexpr std::uint32_t ErrorBadNetPath = 53;
inline constexpr std::uint32_t ErrorInvalidName = 123;
inline constexpr std::uint32_t ErrorIoDevice = 1117;
inline constexpr std::uint32_t ErrorCantResolveFilename = 1921;

}  // namespace varnesk::app

struct TPathAttributes {
  bool Readable = false;    // the attributes could be read
  bool Directory = false;   // the path, links followed, is a directory
  std::uint32_t Error = 0;  // Windows error code when not Readable
};

class TFolderAccess {
 public:
  virtual ~TFolderAccess() = default;

  virtual TPathAttributes Attributes(std::u16string_view Path) = 0;
  // Creates the folder Path when its parent exists; failures are silent.
  virtual void CreateFolder(std::u16string_view Path) = 0;
};
