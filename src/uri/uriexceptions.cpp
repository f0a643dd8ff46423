#include "uri/uriexceptions.h"

#include <utility>

ENetException::ENetException(std::string AMessage)
    : FMessage(std::make_shared<const std::string>(std::move(AMessage))) {}

const char* ENetException::what() const noexcept { return FMessage->c_str(); }

EArgumentException::EArgumentException(std::string AMessage)
    : FMessage(std::make_shared<const std::string>(std::move(AMessage))) {}

const char* EArgumentException::what() const noexcept { return FMessage->c_str(); }
