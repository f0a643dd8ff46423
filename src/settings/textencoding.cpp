#include "settings/textencoding.h"

#include "settings/codepageencoding.h"
#include "settings/singlebyteencoding.h"
#include "text/utf8.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// UTF-8 through the program's one converter (text/utf8.h).
class TUtf8TextEncoding final : public TTextEncoding {
 public:
  std::string Encode(std::u16string_view Text) const override {
    return EncodeUtf8(Text);
  }
  std::u16string Decode(std::string_view Bytes) const override {
    return Utf8ToUtf16(Bytes);
  }
};

#ifndef _WIN32
// UTF-8 whatever the locale; a text that is not valid UTF-8 (a file from an
// older, locale-encoded run) is read as ISO-8859-1, so every byte survives.
class TUtf8OrLatin1Encoding final : public TTextEncoding {
 public:
  std::string Encode(std::u16string_view Text) const override { return FUtf8.Encode(Text); }
  std::u16string Decode(std::string_view Bytes) const override {
    std::u16string Text = FUtf8.Decode(Bytes);
    // Only valid UTF-8 comes back unchanged through a decode and an encode.
    if (FUtf8.Encode(Text) == Bytes) return Text;
    return FLatin1.Decode(Bytes);
  }

 private:
  TUtf8TextEncoding FUtf8;
  TSingleByteEncoding FLatin1{u'\xFF'};
};
#endif

// Upper case without "-" and "_", so that "utf8", "UTF-8" and "Utf_8" meet.
std::string Folded(std::string_view Name) {
  std::string Out;
  for (const char C : Name) {
    if (C == '-' || C == '_') continue;
    Out += static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  }
  return Out;
}

std::unique_ptr<TTextEncoding> BuiltIn(std::string_view Charset) {
  const std::string Name = Folded(Charset);
  if (Name == "UTF8") return std::make_unique<TUtf8TextEncoding>();
  if (Name == "ASCII" || Name == "USASCII" || Name == "ANSIX3.41968" || Name == "646")
    return std::make_unique<TSingleByteEncoding>(u'\x7F');
  if (Name == "ISO88591" || Name == "LATIN1" || Name == "L1") return std::make_unique<TSingleByteEncoding>(u'\xFF');
  return nullptr;
}

std::unique_ptr<TTextEncoding> MakeSystemEncoding() {
#ifdef _WIN32
  const UINT CodePage = GetACP();
  if (CodePage == CP_UTF8) return std::make_unique<TUtf8TextEncoding>();
  return std::make_unique<TCodePageEncoding>(CodePage);
#else
  return std::make_unique<TUtf8OrLatin1Encoding>();
#endif
}

}  // namespace

const TTextEncoding& SystemEncoding() {
  static const std::unique_ptr<TTextEncoding> Encoding = MakeSystemEncoding();
  return *Encoding;
}

std::unique_ptr<TTextEncoding> MakeEncoding(std::string_view Charset) {
  if (auto Encoding = BuiltIn(Charset)) return Encoding;
#ifdef _WIN32
  const std::string Name = Folded(Charset);
  if (Name.size() > 2 && Name.size() <= 7 && Name.compare(0, 2, "CP") == 0 &&
      std::all_of(Name.begin() + 2, Name.end(), [](char C) { return C >= '0' && C <= '9'; })) {
    const auto CodePage = static_cast<UINT>(std::stoul(Name.substr(2)));
    if (IsValidCodePage(CodePage)) return std::make_unique<TCodePageEncoding>(CodePage);
  }
  throw std::invalid_argument("unknown character set: " + std::string(Charset));
#else
  return std::make_unique<TCodePageEncoding>(std::string(Charset));
#endif
}
