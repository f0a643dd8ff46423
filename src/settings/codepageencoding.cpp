#include "settings/codepageencoding.h"

#include <climits>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include "text/utf8.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <utility>
#endif

#ifdef _WIN32

namespace {

int CheckedLength(std::size_t Size) {
  if (Size > static_cast<std::size_t>(INT_MAX)) throw std::length_error("text too long for the code page converter");
  return static_cast<int>(Size);
}

}  // namespace

std::string TCodePageEncoding::Encode(std::u16string_view Text) const {
  if (Text.empty()) return {};
  const int Length = CheckedLength(Text.size());
  const auto* Source = reinterpret_cast<const wchar_t*>(Text.data());
  // Code pages such as UTF-8 or GB18030 refuse the no-best-fit flag.
  DWORD Flags = WC_NO_BEST_FIT_CHARS;
  int Size = WideCharToMultiByte(FCodePage, Flags, Source, Length, nullptr, 0, nullptr, nullptr);
  if (Size == 0 && GetLastError() == ERROR_INVALID_FLAGS) {
    Flags = 0;
    Size = WideCharToMultiByte(FCodePage, Flags, Source, Length, nullptr, 0, nullptr, nullptr);
  }
  if (Size <= 0) return std::string(Text.size(), '?');
  std::string Out(static_cast<std::size_t>(Size), '\0');
  Size = WideCharToMultiByte(FCodePage, Flags, Source, Length, Out.data(), Size, nullptr, nullptr);
  Out.resize(Size > 0 ? static_cast<std::size_t>(Size) : 0);
  return Out;
}

std::u16string TCodePageEncoding::Decode(std::string_view Bytes) const {
  if (Bytes.empty()) return {};
  const int Length = CheckedLength(Bytes.size());
  int Size = MultiByteToWideChar(FCodePage, 0, Bytes.data(), Length, nullptr, 0);
  if (Size <= 0) return std::u16string(Bytes.size(), u'\xFFFD');
  std::u16string Out(static_cast<std::size_t>(Size), u'\0');
  Size = MultiByteToWideChar(FCodePage, 0, Bytes.data(), Length, reinterpret_cast<wchar_t*>(Out.data()), Size);
  Out.resize(Size > 0 ? static_cast<std::size_t>(Size) : 0);
  return Out;
}

#else

namespace {

const char* NativeUtf16() { return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE"; }

// One iconv conversion descriptor, closed on scope exit.
class TConverter {
 public:
  TConverter(const char* To, const char* From) : FHandle(iconv_open(To, From)) {}
  ~TConverter() {
    if (Valid()) iconv_close(FHandle);
  }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  bool Valid() const { return FHandle != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of In as possible into Out (appended). Returns 0 when
  // all was taken, else the errno that stopped it (EILSEQ or EINVAL), with
  // In advanced to the offending input.
  int Convert(std::string_view& In, std::string& Out) {
    char* InPtr = const_cast<char*>(In.data());
    std::size_t InLeft = In.size();
    int Error = 0;
    for (;;) {
      char Buffer[1024];
      char* OutPtr = Buffer;
      std::size_t OutLeft = sizeof Buffer;
      const std::size_t Result = iconv(FHandle, &InPtr, &InLeft, &OutPtr, &OutLeft);
      Out.append(Buffer, static_cast<std::size_t>(OutPtr - Buffer));
      if (Result != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) continue;
      Error = errno;
      break;
    }
    In = std::string_view(InPtr, InLeft);
    return Error;
  }

  // Appends what brings the output back to the initial shift state.
  void Reset(std::string& Out) {
    char Buffer[64];
    char* OutPtr = Buffer;
    std::size_t OutLeft = sizeof Buffer;
    iconv(FHandle, nullptr, nullptr, &OutPtr, &OutLeft);
    Out.append(Buffer, static_cast<std::size_t>(OutPtr - Buffer));
  }

 private:
  iconv_t FHandle;
};

}  // namespace

TCodePageEncoding::TCodePageEncoding(std::string Charset) : FCharset(std::move(Charset)) {
  const TConverter Probe(FCharset.c_str(), NativeUtf16());
  if (!Probe.Valid()) throw std::invalid_argument("unknown character set: " + FCharset);
}

std::string TCodePageEncoding::Encode(std::u16string_view Text) const {
  TConverter Converter(FCharset.c_str(), NativeUtf16());
  std::string Out;
  std::string_view In(reinterpret_cast<const char*>(Text.data()), Text.size() * sizeof(char16_t));
  while (!In.empty()) {
    const int Error = Converter.Convert(In, Out);
    if (Error == 0) break;
    // In stops at a character the target lacks, an unpaired surrogate, or a
    // high surrogate cut off at the end: write "?" for that one character.
    std::size_t Skip = sizeof(char16_t);
    if (In.size() >= 2 * sizeof(char16_t)) {
      char16_t First = 0;
      char16_t Second = 0;
      std::memcpy(&First, In.data(), sizeof First);
      std::memcpy(&Second, In.data() + sizeof First, sizeof Second);
      if (IsHighSurrogate(First) && IsLowSurrogate(Second)) Skip = 2 * sizeof(char16_t);
    }
    Converter.Reset(Out);
    Out += '?';
    In.remove_prefix(std::min(Skip, In.size()));
  }
  Converter.Reset(Out);
  return Out;
}

std::u16string TCodePageEncoding::Decode(std::string_view Bytes) const {
  TConverter Converter(NativeUtf16(), FCharset.c_str());
  std::string Units;
  std::string_view In = Bytes;
  while (!In.empty()) {
    const int Error = Converter.Convert(In, Units);
    if (Error == 0) break;
    Units.append(reinterpret_cast<const char*>(&ReplacementChar), sizeof ReplacementChar);
    // An invalid byte is skipped; a sequence cut off at the end ends the text.
    In = Error == EINVAL ? std::string_view() : In.substr(1);
  }
  std::u16string Out(Units.size() / sizeof(char16_t), u'\0');
  std::memcpy(Out.data(), Units.data(), Out.size() * sizeof(char16_t));
  return Out;
}

#endif
