// TTextEncoding: conversion between the program's UTF-16 text and the bytes
// of the settings file.
//
// The file is in the system's ANSI code page on Windows, read once on the
// first call of SystemEncoding() and kept for the rest of the run. Elsewhere
// it is UTF-8 whatever the locale; a text that is not valid UTF-8 is decoded
// as ISO-8859-1 instead, so no byte of an older file is lost. Tests
// construct explicit encodings with MakeEncoding.
//
// Encode never fails: a character the encoding cannot represent becomes its
// replacement character ("?"; U+FFFD for UTF-8, where only an unpaired
// surrogate is unrepresentable). A surrogate pair is one character and gives
// one replacement (on Windows code pages as WideCharToMultiByte does). Decode
// never fails either: a byte sequence that is not valid in the encoding
// becomes U+FFFD (outside the system encoding's ISO-8859-1 fallback). No
// byte-order mark is written or expected. Implementations are immutable and
// safe to share between threads.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TTextEncoding {
 public:
  virtual ~TTextEncoding() = default;

  virtual std::string Encode(std::u16string_view Text) const = 0;
  virtual std::u16string Decode(std::string_view Bytes) const = 0;
};

// The encoding of the settings file on this system; lives until exit.
const TTextEncoding& SystemEncoding();

// An encoding by character-set name. "UTF-8", "US-ASCII" / "ANSI_X3.4-1968"
// and "ISO-8859-1" (in their common spellings) are built in; on POSIX any
// other name iconv knows works, on Windows "CP<number>" names a code page.
// Throws std::invalid_argument for a name it cannot serve.
std::unique_ptr<TTextEncoding> MakeEncoding(std::string_view Charset);
