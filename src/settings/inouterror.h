// EInOutError: a failed open, read, write, flush, rename or close of the
// settings file, or an unusable file name.
//
// ErrorCode is a Windows system error code on every platform (the POSIX file
// layer maps errno onto these, see errnomap.h), so one situation gives one
// message everywhere. The message is chosen by code:
//   2 "The specified file was not found"
//   3 "Invalid file name - <file name>"
//   4 "Too many open files"
//   5 "File access denied"
//   other "I/O error <code>"
// what() gives the message in UTF-8; Message() in UTF-16. The object owns
// copies of its texts and may outlive the file name it was made from.
#pragma once

#include <exception>
#include <string>
#include <string_view>

// The Windows system error codes that the settings code names.
namespace IoCode {
inline constexpr int FileNotFound = 2;        // ERROR_FILE_NOT_FOUND
inline constexpr int PathNotFound = 3;        // ERROR_PATH_NOT_FOUND
inline constexpr int TooManyOpenFiles = 4;    // ERROR_TOO_MANY_OPEN_FILES
inline constexpr int AccessDenied = 5;        // ERROR_ACCESS_DENIED
inline constexpr int InvalidHandle = 6;       // ERROR_INVALID_HANDLE
inline constexpr int NotEnoughMemory = 8;     // ERROR_NOT_ENOUGH_MEMORY
inline constexpr int NotSameDevice = 17;      // ERROR_NOT_SAME_DEVICE
inline constexpr int NotReady = 21;           // ERROR_NOT_READY
inline constexpr int GenFailure = 31;         // ERROR_GEN_FAILURE
inline constexpr int SharingViolation = 32;   // ERROR_SHARING_VIOLATION
inline constexpr int LockViolation = 33;      // ERROR_LOCK_VIOLATION
inline constexpr int FileExists = 80;         // ERROR_FILE_EXISTS
inline constexpr int InvalidParameter = 87;   // ERROR_INVALID_PARAMETER
inline constexpr int DiskFull = 112;          // ERROR_DISK_FULL
inline constexpr int DirNotEmpty = 145;       // ERROR_DIR_NOT_EMPTY
inline constexpr int FilenameTooLong = 206;   // ERROR_FILENAME_EXCED_RANGE
inline constexpr int FileTooLarge = 223;      // ERROR_FILE_TOO_LARGE
inline constexpr int IoDevice = 1117;         // ERROR_IO_DEVICE
inline constexpr int CantResolveName = 1921;  // ERROR_CANT_RESOLVE_FILENAME
}  // namespace IoCode

class EInOutError : public std::exception {
 public:
  // FileName is the settings file's name as formed; only code 3 shows it.
  EInOutError(int Code, std::u16string_view FileName);

  const char* what() const noexcept override;
  const std::u16string& Message() const noexcept { return FMessage; }

  int ErrorCode = 0;

 private:
  std::u16string FMessage;
  std::string FWhat;
};

// The message that EInOutError carries for Code.
std::u16string InOutErrorMessage(int Code, std::u16string_view FileName);
