// EThread: the error raised by the thread runtime, for instance when the
// system cannot create a thread ("Thread creation error: <system message>")
// or a thread is asked to wait for itself. what() gives the message in UTF-8.
#pragma once

#include <stdexcept>
#include <string>

class EThread : public std::runtime_error {
 public:
  explicit EThread(const std::string& AMessage);
};
