// The standard error display: an error that escapes a UI handler is shown in
// a modal message box captioned "Varnesk" with the error icon and an OK
// button; the program then goes on. The text is the error's message with "."
// appended where the message's rule asks for it.
//
// Tests replace the box with a sink of their own (SetErrorSink) so that no
// modal loop runs; an empty sink restores the box. On a platform without a
// screen ("offscreen", "minimal") the text goes to standard error instead of
// a box nobody could close.
#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <utility>

namespace errordisplay {

// Shows Error's message through the current sink.
void Show(const std::exception& Error);
// The text the box shows for Error.
QString Text(const std::exception& Error);
// Replaces the message box, e.g. in tests; an empty function restores it.
void SetErrorSink(std::function<void(const QString& Text)> Sink);

// Runs Handler; a std::exception that escapes it is shown and swallowed.
template <class Handler>
void Guarded(Handler&& Run) {
  try {
    std::forward<Handler>(Run)();
  } catch (const std::exception& error) {
    Show(error);
  }
}

}  // namespace errordisplay
