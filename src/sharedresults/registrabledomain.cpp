#include "sharedresults/registrabledomain.h"

#include <libpsl.h>

#include <algorithm>

namespace {

bool IsIpAddress(std::u16string_view Host) {
  if (Host.find(u':') != std::u16string_view::npos) return true;  // IPv6
  return !Host.empty() && std::all_of(Host.begin(), Host.end(), [](char16_t c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
}

const psl_ctx_t* List() {
  static const psl_ctx_t* const list = psl_builtin() ? psl_builtin() : psl_latest(nullptr);
  return list;
}

}  // namespace

std::u16string RegistrableDomain(std::u16string_view Host) {
  if (Host.size() >= 2 && Host.front() == u'[' && Host.back() == u']') Host = Host.substr(1, Host.size() - 2);
  std::u16string lower(Host);
  std::string ascii;
  ascii.reserve(Host.size());
  for (char16_t& c : lower) {
    if (c >= 0x80) return lower;
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    ascii.push_back(static_cast<char>(c));
  }
  if (IsIpAddress(lower) || ascii.find('\0') != std::string::npos || !List()) return lower;
  const char* domain = psl_registrable_domain(List(), ascii.c_str());
  if (!domain) return lower;
  return std::u16string(domain, domain + std::char_traits<char>::length(domain));
}

std::u16string SiteName(std::u16string_view Host) {
  std::u16string domain = RegistrableDomain(Host);
  domain.resize(std::min(domain.size(), domain.find(u'.')));
  return domain;
}
