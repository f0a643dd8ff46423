#include "uri/uri.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "text/utf8.h"
#include "uri/byteencoding.h"

namespace {

using TView = std::u16string_view;
constexpr std::size_t NotFound = TView::npos;

// The parts of one URI as views: into the cut text, or into a TUri's fields.
struct TUriParts {
  TView Protocol;
  TView Username;
  TView Password;
  TView Host;
  TView Port;
  TView Path;
  TView Document;
  TView Params;
  TView Bookmark;
  TIPVersion IPVersion = IPv4;
};

// Cuts a normalised text. Each step splits at a fixed separator; the
// separator goes to neither side unless said otherwise.
TUriParts Cut(TView L) {
  TUriParts P;
  const std::size_t Scheme = L.find(u"://");
  if (Scheme == NotFound) {
    // A relative reference: parameters, then path up to its last "/".
    if (const std::size_t Q = L.find(u'?'); Q != NotFound) {
      P.Params = L.substr(Q + 1);
      L = L.substr(0, Q);
    }
    if (const std::size_t S = L.rfind(u'/'); S != NotFound) {
      P.Path = L.substr(0, S + 1);
      L = L.substr(S + 1);
    }
  } else {
    P.Protocol = L.substr(0, Scheme);
    L = L.substr(Scheme + 3);
    // The parameters go first: a "?" before the first "/" starts them too.
    if (const std::size_t Q = L.find(u'?'); Q != NotFound) {
      P.Params = L.substr(Q + 1);
      L = L.substr(0, Q);
    }
    TView Authority = L;
    TView FromSlash;  // the text from the "/" that ends the authority, "/" included
    if (const std::size_t S = L.find(u'/'); S != NotFound) {
      Authority = L.substr(0, S);
      FromSlash = L.substr(S);
      L = L.substr(S + 1);
    } else {
      L = {};
    }
    if (const std::size_t At = Authority.rfind(u'@'); At != NotFound) {
      const TView UserInfo = Authority.substr(0, At);
      Authority = Authority.substr(At + 1);
      const std::size_t Colon = UserInfo.find(u':');
      P.Username = UserInfo.substr(0, Colon);
      // A password without a user name is dropped.
      if (Colon != NotFound && !P.Username.empty()) P.Password = UserInfo.substr(Colon + 1);
    }
    const std::size_t Open = Authority.find(u'[');
    const std::size_t Close = Authority.find(u']');
    if (Open != NotFound && Close != NotFound && Close > Open) {
      // What stands before "[" and between "]" and ":" is dropped.
      P.Host = Authority.substr(Open + 1, Close - Open - 1);
      P.IPVersion = IPv6;
      const TView AfterHost = Authority.substr(Close + 1);
      if (const std::size_t Colon = AfterHost.find(u':'); Colon != NotFound) P.Port = AfterHost.substr(Colon + 1);
    } else {
      const std::size_t Colon = Authority.find(u':');
      P.Host = Authority.substr(0, Colon);
      if (Colon != NotFound) P.Port = Authority.substr(Colon + 1);
    }
    if (const std::size_t S = L.rfind(u'/'); S != NotFound) {
      P.Path = FromSlash.substr(0, S + 2);
      L = L.substr(S + 1);
    } else {
      P.Path = u"/";
    }
  }
  P.Document = L;
  if (const std::size_t Hash = L.find(u'#'); Hash != NotFound) {
    P.Bookmark = L.substr(Hash + 1);
    P.Document = L.substr(0, Hash);
  }
  return P;
}

bool SameTextAscii(TView AText, std::string_view AUpper) {
  if (AText.size() != AUpper.size()) return false;
  for (std::size_t I = 0; I < AText.size(); ++I) {
    char16_t Unit = AText[I];
    if (Unit >= u'a' && Unit <= u'z') Unit = static_cast<char16_t>(Unit - u'a' + u'A');
    if (Unit != static_cast<unsigned char>(AUpper[I])) return false;
  }
  return true;
}

// The port is left out when empty or when it is, as exact text, the default
// port of the protocol (HTTP, HTTPS and FTP, letter case ignored).
bool PortShown(const TUriParts& P) {
  if (P.Port.empty()) return false;
  struct TDefaultPort {
    std::string_view Protocol;
    TView Port;
  };
  static constexpr TDefaultPort Defaults[] = {{"HTTP", u"80"}, {"HTTPS", u"443"}, {"FTP", u"21"}};
  for (const TDefaultPort& Default : Defaults)
    if (SameTextAscii(P.Protocol, Default.Protocol)) return P.Port != Default.Port;
  return true;
}

void CheckJoinable(const TUriParts& P) {
  if (P.Protocol.empty()) throw EUriException("Protocol field is empty");
  if (P.Host.empty()) throw EUriException("Host field is empty");
}

// Protocol "://" [user information "@"] host [":" port].
std::size_t HeadLength(const TUriParts& P, bool AAuthInfo) {
  std::size_t Length = P.Protocol.size() + 3 + P.Host.size();
  if (P.IPVersion == IPv6) Length += 2;
  if (AAuthInfo) Length += P.Username.size() + (P.Password.empty() ? 0 : 1 + P.Password.size()) + 1;
  if (PortShown(P)) Length += 1 + P.Port.size();
  return Length;
}

void AppendHead(std::u16string& R, const TUriParts& P, bool AAuthInfo) {
  R.append(P.Protocol).append(u"://");
  if (AAuthInfo) {
    R.append(P.Username);
    if (!P.Password.empty()) R.append(1, u':').append(P.Password);
    R.push_back(u'@');
  }
  if (P.IPVersion == IPv6) {
    R.append(1, u'[').append(P.Host).append(1, u']');
  } else {
    R.append(P.Host);
  }
  if (PortShown(P)) R.append(1, u':').append(P.Port);
}

std::size_t PathAndParamsLength(const TUriParts& P) {
  return P.Path.size() + P.Document.size() + (P.Params.empty() ? 0 : 1 + P.Params.size());
}

void AppendPathAndParams(std::u16string& R, const TUriParts& P) {
  R.append(P.Path).append(P.Document);
  if (!P.Params.empty()) R.append(1, u'?').append(P.Params);
}

// The code units each code unit below U+0081 adds to the UTF-8 percent
// encoding beyond its own one: 0 when it passes unencoded, 2 for "%XX", 5
// for "%XX%XX" (U+0080 in a path). One table for paths, one for parameters.
using TPassTable = std::array<unsigned char, 0x81>;

constexpr TPassTable MakePassTable(bool AParams) {
  TPassTable Table{};
  for (std::size_t Unit = 0; Unit < Table.size(); ++Unit) Table[Unit] = Unit < 0x80 ? 2 : 5;
  const char16_t Last = AParams ? 0x80 : 0x7F;
  for (char16_t Unit = 0x21; Unit <= Last; ++Unit) Table[Unit] = 0;
  for (const char Always : std::string_view("\"#%*<>[\\]^`{|}")) Table[static_cast<unsigned char>(Always)] = 2;
  if (!AParams) Table[u'+'] = 2;
  return Table;
}

constexpr TPassTable PathPass = MakePassTable(false);
constexpr TPassTable ParamsPass = MakePassTable(true);

bool Passes(const TPassTable& ATable, char16_t AUnit) { return AUnit < ATable.size() && ATable[AUnit] == 0; }

[[noreturn]] void ThrowUnpairedSurrogate(bool AHigh, std::size_t AIndex) {
  const std::string Position = std::to_string(AIndex + 1);
  if (AHigh)
    throw EArgumentException("High surrogate char without a following low surrogate char at index: " + Position +
                             ". Check that the string is encoded properly");
  throw EArgumentException("Low surrogate char without a preceding high surrogate char at index: " + Position +
                           ". Check that the string is encoded properly");
}

// The number of code units (1, or 2 for a surrogate pair) of the character
// at AIndex; an unpaired surrogate raises, with its 1-based position.
std::size_t CharLength(TView AText, std::size_t AIndex) {
  const char16_t Unit = AText[AIndex];
  if (!IsSurrogate(Unit)) return 1;
  if (IsLowSurrogate(Unit)) ThrowUnpairedSurrogate(false, AIndex);
  if (PairAt(AText, AIndex)) return 2;
  ThrowUnpairedSurrogate(true, AIndex);
}

// The exact length of the UTF-8 percent encoding of AText; raises what the
// encoding itself would raise, at the same place.
std::size_t EncodedLengthUtf8(TView AText, const TPassTable& APass) {
  std::size_t Length = AText.size();
  for (std::size_t I = 0; I < AText.size(); ++I) {
    const char16_t Unit = AText[I];
    if (Unit < APass.size()) {
      Length += APass[Unit];
    } else if (Unit < 0x800) {
      Length += 5;
    } else if (!IsSurrogate(Unit)) {
      Length += 8;
    } else {
      CharLength(AText, I);
      Length += 10;  // twelve for the pair
      ++I;
    }
  }
  return Length;
}

constexpr char16_t HexDigits[] = u"0123456789ABCDEF";

char16_t* WriteEscape(char16_t* AOut, unsigned AByte) {
  AOut[0] = u'%';
  AOut[1] = HexDigits[AByte >> 4];
  AOut[2] = HexDigits[AByte & 0x0F];
  return AOut + 3;
}

// Writes the UTF-8 percent encoding of AText at AOut, which has room for
// EncodedLengthUtf8(AText) code units, and returns the end.
char16_t* WriteUtf8(char16_t* AOut, TView AText, const TPassTable& APass) {
  for (std::size_t I = 0; I < AText.size(); ++I) {
    const unsigned Unit = AText[I];
    if (Passes(APass, static_cast<char16_t>(Unit))) {
      *AOut++ = static_cast<char16_t>(Unit);
    } else if (Unit < 0x80) {
      AOut = WriteEscape(AOut, Unit);
    } else if (Unit < 0x800) {
      AOut = WriteEscape(AOut, 0xC0 | Unit >> 6);
      AOut = WriteEscape(AOut, 0x80 | (Unit & 0x3F));
    } else if (!IsSurrogate(static_cast<char16_t>(Unit))) {
      AOut = WriteEscape(AOut, 0xE0 | Unit >> 12);
      AOut = WriteEscape(AOut, 0x80 | (Unit >> 6 & 0x3F));
      AOut = WriteEscape(AOut, 0x80 | (Unit & 0x3F));
    } else {
      CharLength(AText, I);
      const char32_t CodePoint = PairCodePoint(AText[I], AText[I + 1]);
      ++I;
      AOut = WriteEscape(AOut, 0xF0 | CodePoint >> 18);
      AOut = WriteEscape(AOut, 0x80 | (CodePoint >> 12 & 0x3F));
      AOut = WriteEscape(AOut, 0x80 | (CodePoint >> 6 & 0x3F));
      AOut = WriteEscape(AOut, 0x80 | (CodePoint & 0x3F));
    }
  }
  return AOut;
}

// Appends AText percent-encoded through any byte encoding; a run of passing
// code units is copied in one piece.
void AppendEncoded(std::u16string& R, TView AText, const TPassTable& APass, const TByteEncoding& AEncoding,
                   std::string& ABytes) {
  std::size_t I = 0;
  while (I < AText.size()) {
    std::size_t End = I;
    while (End < AText.size() && Passes(APass, AText[End])) ++End;
    R.append(AText.data() + I, End - I);
    if (End == AText.size()) break;
    const std::size_t Units = CharLength(AText, End);
    ABytes.clear();
    AEncoding.Encode(AText.substr(End, Units), ABytes);
    for (const char Byte : ABytes) {
      const auto Value = static_cast<unsigned char>(Byte);
      const char16_t Escape[3] = {u'%', HexDigits[Value >> 4], HexDigits[Value & 0x0F]};
      R.append(Escape, 3);
    }
    I = End + Units;
  }
}

// The byte encoding of one call; nullptr stands for UTF-8, which is done
// inline into a result of exactly the right size.
const TByteEncoding* CustomEncoding(const TByteEncoding* AByteEncoding) {
  const TByteEncoding& Encoding = AByteEncoding ? *AByteEncoding : TByteEncoding::UTF8();
  return Encoding.IsUtf8() ? nullptr : &Encoding;
}

std::u16string EncodePart(TView AText, const TPassTable& APass, const TByteEncoding* AByteEncoding) {
  std::u16string R;
  if (const TByteEncoding* Custom = CustomEncoding(AByteEncoding)) {
    std::string Bytes;
    R.reserve(AText.size());
    AppendEncoded(R, AText, APass, *Custom, Bytes);
  } else {
    R.resize(EncodedLengthUtf8(AText, APass));
    WriteUtf8(R.data(), AText, APass);
  }
  return R;
}

// The encoded URL joined without user information and bookmark. The parts
// are encoded before the join, so their errors, in the order path,
// document, parameters, come before the join's.
std::u16string JoinEncodedUtf8(const TUriParts& P) {
  const std::size_t PathLength = EncodedLengthUtf8(P.Path, PathPass);
  const std::size_t DocumentLength = EncodedLengthUtf8(P.Document, PathPass);
  const std::size_t ParamsLength = EncodedLengthUtf8(P.Params, ParamsPass);
  CheckJoinable(P);
  const std::size_t HeadEnd = HeadLength(P, false);
  const std::size_t Total = HeadEnd + PathLength + DocumentLength + (P.Params.empty() ? 0 : 1 + ParamsLength);
  std::u16string R;
  R.reserve(Total);
  AppendHead(R, P, false);
  R.resize(Total);
  char16_t* Out = R.data() + HeadEnd;
  Out = WriteUtf8(Out, P.Path, PathPass);
  Out = WriteUtf8(Out, P.Document, PathPass);
  if (!P.Params.empty()) {
    *Out++ = u'?';
    WriteUtf8(Out, P.Params, ParamsPass);
  }
  return R;
}

std::u16string JoinEncodedCustom(const TUriParts& P, const TByteEncoding& AEncoding) {
  std::string Bytes;
  std::u16string R;
  if (P.Protocol.empty() || P.Host.empty()) {
    AppendEncoded(R, P.Path, PathPass, AEncoding, Bytes);
    AppendEncoded(R, P.Document, PathPass, AEncoding, Bytes);
    AppendEncoded(R, P.Params, ParamsPass, AEncoding, Bytes);
    CheckJoinable(P);
  }
  R.reserve(HeadLength(P, false) + PathAndParamsLength(P));
  AppendHead(R, P, false);
  AppendEncoded(R, P.Path, PathPass, AEncoding, Bytes);
  AppendEncoded(R, P.Document, PathPass, AEncoding, Bytes);
  if (!P.Params.empty()) {
    R.push_back(u'?');
    const std::size_t Mark = R.size();
    AppendEncoded(R, P.Params, ParamsPass, AEncoding, Bytes);
    if (R.size() == Mark) R.pop_back();  // the encoding gave no bytes: no parameters
  }
  return R;
}

std::optional<unsigned> ParseHex(TView AText, std::size_t AFrom, std::size_t ADigits) {
  if (AFrom > AText.size() || AText.size() - AFrom < ADigits) return std::nullopt;
  unsigned Value = 0;
  for (std::size_t I = AFrom; I < AFrom + ADigits; ++I) {
    const char16_t Unit = AText[I];
    unsigned Digit = 0;
    if (Unit >= u'0' && Unit <= u'9') {
      Digit = Unit - u'0';
    } else if (Unit >= u'A' && Unit <= u'F') {
      Digit = Unit - u'A' + 10;
    } else if (Unit >= u'a' && Unit <= u'f') {
      Digit = Unit - u'a' + 10;
    } else {
      return std::nullopt;
    }
    Value = Value * 16 + Digit;
  }
  return Value;
}

}  // namespace

TUri::TUri(std::u16string_view AURI) {
  if (!AURI.empty()) SetURI(AURI);
}

std::u16string TUri::URI() const { return GetFullURI({}); }

void TUri::SetURI(std::u16string_view AURI) {
  FURI.assign(AURI);
  NormalizePath(FURI);
  const TUriParts P = Cut(FURI);
  FProtocol.assign(P.Protocol);
  FUserName.assign(P.Username);
  FPassword.assign(P.Password);
  FHost.assign(P.Host);
  FPort.assign(P.Port);
  Fpath.assign(P.Path);
  FDocument.assign(P.Document);
  FParams.assign(P.Params);
  FBookmark.assign(P.Bookmark);
  FIPVersion = P.IPVersion;
}

std::u16string TUri::GetFullURI(TUriOptionalFieldsSet AOptionalFields) const {
  TUriParts P;
  P.Protocol = FProtocol;
  P.Username = FUserName;
  P.Password = FPassword;
  P.Host = FHost;
  P.Port = FPort;
  P.Path = Fpath;
  P.Document = FDocument;
  P.Params = FParams;
  P.Bookmark = FBookmark;
  P.IPVersion = FIPVersion;
  CheckJoinable(P);
  const bool AuthInfo = AOptionalFields.contains(ofAuthInfo) && !P.Username.empty();
  const bool Bookmark = AOptionalFields.contains(ofBookmark) && !P.Bookmark.empty();
  std::u16string R;
  R.reserve(HeadLength(P, AuthInfo) + PathAndParamsLength(P) + (Bookmark ? 1 + P.Bookmark.size() : 0));
  AppendHead(R, P, AuthInfo);
  AppendPathAndParams(R, P);
  if (Bookmark) R.append(1, u'#').append(P.Bookmark);
  return R;
}

std::u16string TUri::GetPathAndParams() const {
  TUriParts P;
  P.Path = Fpath;
  P.Document = FDocument;
  P.Params = FParams;
  std::u16string R;
  R.reserve(PathAndParamsLength(P));
  AppendPathAndParams(R, P);
  return R;
}

void TUri::NormalizePath(std::u16string& APath) {
  const std::size_t Size = APath.size();
  const auto IsSlash = [](char16_t AUnit) { return AUnit == u'/' || AUnit == u'\\'; };
  std::size_t Start = 0;
  if (const std::size_t Colon = APath.find(u':'); Colon != NotFound) {
    Start = Colon + 1;
    if (Colon + 2 < Size && IsSlash(APath[Colon + 1]) && IsSlash(APath[Colon + 2])) Start = Colon + 3;
  }
  for (std::size_t I = Start; I < Size; ++I) {
    const char16_t Unit = APath[I];
    if (Unit == u'?' || Unit == u'#') break;
    if (Unit == u'\\') APath[I] = u'/';
  }
}

// Cut, encode path, document and parameters, join without user information
// and bookmark. The parts are views into one working copy and are encoded
// straight into the result.
std::u16string TUri::URLEncode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding) {
  std::u16string Work(ASrc);
  NormalizePath(Work);
  const TUriParts P = Cut(Work);
  if (const TByteEncoding* Custom = CustomEncoding(AByteEncoding)) return JoinEncodedCustom(P, *Custom);
  return JoinEncodedUtf8(P);
}

std::u16string TUri::PathEncode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding) {
  return EncodePart(ASrc, PathPass, AByteEncoding);
}

std::u16string TUri::ParamsEncode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding) {
  return EncodePart(ASrc, ParamsPass, AByteEncoding);
}

// Collects bytes: a plain code unit gives its low eight bits, "%XX" one
// byte, "%uXXXX" the encoded code unit; a bad escape gives nothing but is
// consumed all the same (3 or 6 positions). Then the bytes are decoded.
std::u16string TUri::URLDecode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding) {
  const TByteEncoding& Encoding = AByteEncoding ? *AByteEncoding : TByteEncoding::UTF8();
  std::string Bytes;
  Bytes.reserve(ASrc.size());
  std::size_t I = 0;
  while (I < ASrc.size()) {
    const char16_t Unit = ASrc[I];
    if (Unit != u'%') {
      Bytes.push_back(static_cast<char>(Unit & 0xFF));
      ++I;
    } else if (I + 1 < ASrc.size() && (ASrc[I + 1] == u'u' || ASrc[I + 1] == u'U')) {
      if (const std::optional<unsigned> Value = ParseHex(ASrc, I + 2, 4)) {
        const char16_t CodeUnit = static_cast<char16_t>(*Value);
        Encoding.Encode(TView(&CodeUnit, 1), Bytes);
      }
      I += 6;
    } else {
      if (const std::optional<unsigned> Value = ParseHex(ASrc, I + 1, 2)) Bytes.push_back(static_cast<char>(*Value));
      I += 3;
    }
  }
  std::u16string R;
  Encoding.Decode(Bytes, R);
  return R;
}
