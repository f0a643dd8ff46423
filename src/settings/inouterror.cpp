#include "settings/inouterror.h"

#include "settings/numbertext.h"
#include "text/utf8.h"

std::u16string InOutErrorMessage(int Code, std::u16string_view FileName) {
  switch (Code) {
    case IoCode::FileNotFound:
      return u"The specified file was not found";
    case IoCode::PathNotFound:
      return u"Invalid file name - " + std::u16string(FileName);
    case IoCode::TooManyOpenFiles:
      return u"Too many open files";
    case IoCode::AccessDenied:
      return u"File access denied";
    default:
      return u"I/O error " + NumberText(Code);
  }
}

EInOutError::EInOutError(int Code, std::u16string_view FileName)
    : ErrorCode(Code), FMessage(InOutErrorMessage(Code, FileName)), FWhat(EncodeUtf8(FMessage)) {}

const char* EInOutError::what() const noexcept { return FWhat.c_str(); }
