// TUri: one URI cut into its parts, and the percent encoders for URLs.
//
// Assigning a text (constructor, SetURI) cuts it at fixed separators, in a
// fixed order; it accepts any text and never fails. Backslashes are first
// turned into slashes (NormalizePath). Joining (URI, GetFullURI) raises
// EUriException when the protocol or the host is empty. The part accessors
// read and write the parts directly, with no check. A host written in square
// brackets is held without them, with IPVersion() == IPv6; joining such a
// host puts the brackets back.
//
// URLEncode percent-encodes a whole URL (cut, encode path, document and
// parameters, join without user information and bookmark); PathEncode and
// ParamsEncode encode one part; URLDecode reverses the escapes. They take an
// optional byte encoding (nullptr: the shared UTF-8 encoding) and raise
// EArgumentException for an unpaired surrogate. All work in linear time.
//
// Strings are UTF-16; positions and lengths count code units. An instance is
// meant for one thread at a time; the static operations may run on any
// number of threads at once.
#pragma once

#include <string>
#include <string_view>

#include "uri/byteencoding.h"
#include "uri/uriexceptions.h"
#include "uri/urioptionalfieldsset.h"

enum TIPVersion : int { IPv4 = 0, IPv6 = 1 };

class TUri {
 public:
  explicit TUri(std::u16string_view AURI = {});

  const std::u16string& Protocol() const noexcept { return FProtocol; }
  const std::u16string& Username() const noexcept { return FUserName; }
  const std::u16string& Password() const noexcept { return FPassword; }
  const std::u16string& Host() const noexcept { return FHost; }
  const std::u16string& Port() const noexcept { return FPort; }
  const std::u16string& Path() const noexcept { return Fpath; }
  const std::u16string& Document() const noexcept { return FDocument; }
  const std::u16string& Params() const noexcept { return FParams; }
  const std::u16string& Bookmark() const noexcept { return FBookmark; }
  TIPVersion IPVersion() const noexcept { return FIPVersion; }

  void SetProtocol(std::u16string_view AValue) { FProtocol.assign(AValue); }
  void SetUsername(std::u16string_view AValue) { FUserName.assign(AValue); }
  void SetPassword(std::u16string_view AValue) { FPassword.assign(AValue); }
  void SetHost(std::u16string_view AValue) { FHost.assign(AValue); }
  void SetPort(std::u16string_view AValue) { FPort.assign(AValue); }
  void SetPath(std::u16string_view AValue) { Fpath.assign(AValue); }
  void SetDocument(std::u16string_view AValue) { FDocument.assign(AValue); }
  void SetParams(std::u16string_view AValue) { FParams.assign(AValue); }
  void SetBookmark(std::u16string_view AValue) { FBookmark.assign(AValue); }
  void SetIPVersion(TIPVersion AValue) noexcept { FIPVersion = AValue; }

  // The URI without user information and bookmark: GetFullURI({}).
  std::u16string URI() const;
  // Cuts AURI into the parts; every part not found is emptied.
  void SetURI(std::u16string_view AURI);

  // Protocol "://" [user information "@"] host [":" port] path document
  // ["?" params] ["#" bookmark]; the bracketed parts only when asked for and
  // not empty, the port only when it is not the protocol's default.
  std::u16string GetFullURI(TUriOptionalFieldsSet AOptionalFields = {}) const;
  // Path, document, then "?" and the parameters when there are any.
  std::u16string GetPathAndParams() const;

  // Turns backslashes into slashes after the first ":" (and after a "//" or
  // "\\" right behind it), up to the first "?" or "#" that follows.
  static void NormalizePath(std::u16string& APath);

  static std::u16string URLEncode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding = nullptr);
  static std::u16string PathEncode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding = nullptr);
  static std::u16string ParamsEncode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding = nullptr);
  static std::u16string URLDecode(std::u16string_view ASrc, const TByteEncoding* AByteEncoding = nullptr);

 private:
  std::u16string FDocument;
  std::u16string FProtocol;
  std::u16string FURI;  // the text last assigned, normalised; the parts view into it while cutting
  std::u16string FPort;
  std::u16string Fpath;
  std::u16string FHost;
  std::u16string FBookmark;
  std::u16string FUserName;
  std::u16string FPassword;
  std::u16string FParams;
  TIPVersion FIPVersion = IPv4;
};
