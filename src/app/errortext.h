// The text rule of the standard error display: the message box that shows an
// error escaping a handler on the user-interface thread, captioned with the
// application title, with the error icon and an OK button.
//
// ErrorDisplayText appends "." to a message whose last UTF-16 code unit is
// above 46 (the code of "."), so a message already ending in ".", "-", ",",
// "!", a space or a control character is shown as it is; an empty message
// stays empty. ExceptionMessage gives the message of the innermost error of a
// std::exception (following std::nested_exception down to the last
// std::exception), its UTF-8 what() turned into UTF-16 with U+FFFD for
// ill-formed bytes. Pure functions, safe from any thread.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "app/appname.h"

inline constexpr std::u16string_view ErrorCaption = AppName;

std::u16string ErrorDisplayText(std::u16string_view Message);

std::u16string ExceptionMessage(const std::exception& Error);
