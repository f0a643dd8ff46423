// EInOutError: a failed open, read, write, flush, rename or close of the
// settings file, or an unusable file name.
//
// ErrorCode is a Windows system error code on every platform (IoCode; the
// POSIX file layer maps errno onto these), so one situation gives one
// message everywhere. The message is chosen by code:
//   2 "The specified file was not found"
//   3 "Invalid file name - <file name>"
//   4 "Too many open files"
//   5 "File access denied"
//   other "I/O error <code>"
// what() gives the message in UTF-8; Message() in UTF-16. The object owns
// copies of its texts and may outlive the file name it was made from.
#pragma once

#include "syserror/syserror.h"

#include <exception>
#include <string>
#include <string_view>

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
