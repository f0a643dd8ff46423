#include "app/errortext.h"

#include "text/utf8.h"

std::u16string ErrorDisplayText(std::u16string_view Message) {
  std::u16string Text(Message);
  if (!Text.empty() && Text.back() > u'.') Text.push_back(u'.');
  return Text;
}

std::u16string ExceptionMessage(const std::exception& Error) {
  try {
    std::rethrow_if_nested(Error);
  } catch (const std::exception& Inner) {
    return ExceptionMessage(Inner);
  } catch (...) {
    // A nested error that is no std::exception carries no message: keep this one's.
  }
  const char* What = Error.what();
  return Utf8ToUtf16(What != nullptr ? What : "");
}
