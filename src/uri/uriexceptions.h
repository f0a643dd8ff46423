// Error types raised by the URI code.
//
// ENetException is the base of the network-related errors; EUriException is
// raised when a URI cannot be joined (empty protocol or host).
// EArgumentException is the argument error raised by the percent encoders for
// a badly formed UTF-16 text. Each carries only its message, UTF-8, returned
// by what(). Copying never throws: the message is shared between copies.
#pragma once

#include <exception>
#include <memory>
#include <string>

class ENetException : public std::exception {
 public:
  explicit ENetException(std::string AMessage);
  const char* what() const noexcept override;

 private:
  std::shared_ptr<const std::string> FMessage;
};

class EUriException : public ENetException {
 public:
  using ENetException::ENetException;
};

class EArgumentException : public std::exception {
 public:
  explicit EArgumentException(std::string AMessage);
  const char* what() const noexcept override;

 private:
  std::shared_ptr<const std::string> FMessage;
};
