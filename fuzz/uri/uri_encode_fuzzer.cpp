// The encoders on any text: the output is ASCII (and U+0080 in parameters)
// with each "%" followed by two upper-case hexadecimal digits, or the
// documented error is raised for the first unpaired surrogate. The two
// encoders differ only in "+" and U+0080, and URLEncode gives what cutting,
// encoding the three parts one by one and joining through TUri gives.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzsupport.h"
#include "uri/uri.h"

namespace {

bool IsUpperHex(char16_t AUnit) { return (AUnit >= u'0' && AUnit <= u'9') || (AUnit >= u'A' && AUnit <= u'F'); }

void CheckEncoded(std::u16string_view AText, char16_t ALastPassing) {
  for (std::size_t I = 0; I < AText.size(); ++I) {
    FUZZ_CHECK(AText[I] >= 0x21 && AText[I] <= ALastPassing);
    if (AText[I] == u'%') {
      FUZZ_CHECK(I + 2 < AText.size() && IsUpperHex(AText[I + 1]) && IsUpperHex(AText[I + 2]));
      I += 2;
    }
  }
}

// The path encoding with "%2B" turned back into "+" and "%C2%80" into U+0080.
std::u16string AsParams(std::u16string_view APathEncoded) {
  std::u16string Result;
  for (std::size_t I = 0; I < APathEncoded.size(); ++I) {
    const std::u16string_view Rest = APathEncoded.substr(I);
    if (Rest.starts_with(u"%2B")) {
      Result.push_back(u'+');
      I += 2;
    } else if (Rest.starts_with(u"%C2%80")) {
      Result.push_back(0x80);
      I += 5;
    } else if (Rest.front() == u'%') {
      Result.append(Rest.substr(0, 3));
      I += 2;
    } else {
      Result.push_back(Rest.front());
    }
  }
  return Result;
}

// The outcome of one call: its result, or the message of its error.
struct TOutcome {
  std::u16string Result;
  std::string Error;
  bool operator==(const TOutcome&) const = default;
};

template <class F>
TOutcome Run(F&& ACall) {
  TOutcome Outcome;
  try {
    Outcome.Result = ACall();
  } catch (const EArgumentException& E) {
    Outcome.Error = std::string("argument: ") + E.what();
  } catch (const EUriException& E) {
    Outcome.Error = std::string("uri: ") + E.what();
  }
  return Outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  const std::u16string Text = FuzzText(AData, ASize);
  const std::string Expected = SurrogateError(Text);
  const TOutcome Path = Run([&] { return TUri::PathEncode(Text); });
  const TOutcome Params = Run([&] { return TUri::ParamsEncode(Text); });
  FUZZ_CHECK(Path.Error == (Expected.empty() ? "" : "argument: " + Expected));
  FUZZ_CHECK(Params.Error == Path.Error);
  if (Path.Error.empty()) {
    CheckEncoded(Path.Result, 0x7F);
    CheckEncoded(Params.Result, 0x80);
    FUZZ_CHECK(Params.Result == AsParams(Path.Result));
  }

  const TOutcome Whole = Run([&] { return TUri::URLEncode(Text); });
  const TOutcome Composed = Run([&] {
    TUri Uri(Text);
    Uri.SetPath(TUri::PathEncode(Uri.Path()));
    Uri.SetDocument(TUri::PathEncode(Uri.Document()));
    Uri.SetParams(TUri::ParamsEncode(Uri.Params()));
    return Uri.URI();
  });
  FUZZ_CHECK(Whole == Composed);
  return 0;
}
