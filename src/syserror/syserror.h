// The Windows system error codes the program reports and tells apart, on
// every platform, and (POSIX only) the one table that turns errno into them.
//
// The settings file reports a code in its messages; the data-folder test
// only tells "absent" codes from others. Where one errno suits the two uses
// differently the table has a column for each. Constants and a pure
// function; safe from any thread.
#pragma once

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
inline constexpr int BadNetPath = 53;         // ERROR_BAD_NETPATH
inline constexpr int FileExists = 80;         // ERROR_FILE_EXISTS
inline constexpr int InvalidParameter = 87;   // ERROR_INVALID_PARAMETER
inline constexpr int DiskFull = 112;          // ERROR_DISK_FULL
inline constexpr int InvalidName = 123;       // ERROR_INVALID_NAME
inline constexpr int DirNotEmpty = 145;       // ERROR_DIR_NOT_EMPTY
inline constexpr int FilenameTooLong = 206;   // ERROR_FILENAME_EXCED_RANGE
inline constexpr int FileTooLarge = 223;      // ERROR_FILE_TOO_LARGE
inline constexpr int IoDevice = 1117;         // ERROR_IO_DEVICE
inline constexpr int CantResolveName = 1921;  // ERROR_CANT_RESOLVE_FILENAME
}  // namespace IoCode

#ifndef _WIN32
// Which column of the errno table to read: the settings file's operations,
// or the data-folder test.
enum class TErrnoUse { File, Folder };

// The Windows code standing for Errno in Use; GenFailure for any errno the
// table does not name.
int WindowsErrorFromErrno(int Errno, TErrnoUse Use);
#endif
