#include "app/logic/web_address.h"

#include <string_view>

#include "app/logic/text_rules.h"

namespace lanque {
namespace {

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsUnreserved(char c) {
  return IsAlpha(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}
// The sub-delimiters less the single quote, which the shell's command lines
// and scripts would read as a quote.
bool IsSubDelimiter(char c) { return std::string_view("!$&()*+,;=").find(c) != std::string_view::npos; }

// Whether `text` is made of characters that `allowed` accepts and of %XX escapes.
template <typename Allowed>
bool IsEscapedRun(std::string_view text, Allowed allowed) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%') {
      if (i + 2 >= text.size() || !IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2])) return false;
      i += 2;
    } else if (!allowed(text[i])) {
      return false;
    }
  }
  return true;
}

bool IsPathCharacter(char c) { return IsUnreserved(c) || IsSubDelimiter(c) || c == ':' || c == '@'; }

bool IsDecOctet(std::string_view text) {
  if (text.empty() || text.size() > 3) return false;
  for (char c : text)
    if (!IsDigit(c)) return false;
  if (text.size() > 1 && text[0] == '0') return false;
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value <= 255;
}

bool IsIpv4Address(std::string_view text) {
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = text.find('.');
    const bool last = part == 3;
    if (last != (dot == std::string_view::npos)) return false;
    if (!IsDecOctet(text.substr(0, dot))) return false;
    if (!last) text.remove_prefix(dot + 1);
  }
  return true;
}

// RFC 3986 IPv6address: eight 16-bit groups, or fewer with one "::"; the last
// two groups may be written as an IPv4 address.
bool IsIpv6Address(std::string_view text) {
  int groups = 0;
  bool elided = false;
  if (text.substr(0, 2) == "::") {
    elided = true;
    text.remove_prefix(2);
  } else if (!text.empty() && text[0] == ':') {
    return false;
  }
  while (!text.empty()) {
    const std::size_t colon = text.find(':');
    const std::string_view group = text.substr(0, colon);
    if (colon == std::string_view::npos && group.find('.') != std::string_view::npos) {
      if (!IsIpv4Address(group)) return false;
      groups += 2;
      break;
    }
    if (group.empty() || group.size() > 4) return false;
    for (char c : group)
      if (!IsHexDigit(c)) return false;
    ++groups;
    if (colon == std::string_view::npos) break;
    text.remove_prefix(colon + 1);
    if (!text.empty() && text[0] == ':') {
      if (elided) return false;
      elided = true;
      text.remove_prefix(1);
    } else if (text.empty()) {
      return false;  // a single trailing ":"
    }
  }
  return elided ? groups <= 7 : groups == 8;
}

bool IsIpFuture(std::string_view text) {
  if (text.size() < 4 || (text[0] != 'v' && text[0] != 'V')) return false;
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos || dot < 2 || dot + 1 >= text.size()) return false;
  for (char c : text.substr(1, dot - 1))
    if (!IsHexDigit(c)) return false;
  for (char c : text.substr(dot + 1))
    if (!IsUnreserved(c) && !IsSubDelimiter(c) && c != ':') return false;
  return true;
}

bool IsHost(std::string_view host) {
  if (host.empty()) return false;
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    const std::string_view literal = host.substr(1, host.size() - 2);
    return IsIpv6Address(literal) || IsIpFuture(literal);
  }
  // A reg-name (an IPv4 address is one, too).
  return IsEscapedRun(host, [](char c) { return IsUnreserved(c) || IsSubDelimiter(c); });
}

bool IsAuthority(std::string_view authority) {
  const std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) {
    const std::string_view userInfo = authority.substr(0, at);
    if (!IsEscapedRun(userInfo, [](char c) { return IsUnreserved(c) || IsSubDelimiter(c) || c == ':'; }))
      return false;
    authority.remove_prefix(at + 1);
  }
  std::string_view host = authority;
  // The port follows the last ":" that is not inside an IP literal.
  const std::size_t literalEnd = authority.rfind(']');
  const std::size_t colon = authority.rfind(':');
  if (colon != std::string_view::npos && (literalEnd == std::string_view::npos || colon > literalEnd)) {
    for (char c : authority.substr(colon + 1))
      if (!IsDigit(c)) return false;
    host = authority.substr(0, colon);
  }
  return IsHost(host);
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  if (address.size() > kMaxWebAddressLength) return false;
  auto startsWith = [address](std::string_view scheme) {
    return address.size() >= scheme.size() && EqualsIgnoreAsciiCase(address.substr(0, scheme.size()), scheme);
  };
  std::string_view rest;
  if (startsWith("http://")) {
    rest = address.substr(7);
  } else if (startsWith("https://")) {
    rest = address.substr(8);
  } else {
    return false;
  }

  const std::size_t authorityEnd = rest.find_first_of("/?#");
  if (!IsAuthority(rest.substr(0, authorityEnd))) return false;
  if (authorityEnd == std::string_view::npos) return true;
  rest.remove_prefix(authorityEnd);

  const std::size_t fragmentStart = rest.find('#');
  const std::string_view fragment =
      fragmentStart == std::string_view::npos ? std::string_view() : rest.substr(fragmentStart + 1);
  rest = rest.substr(0, fragmentStart);
  const std::size_t queryStart = rest.find('?');
  const std::string_view path = rest.substr(0, queryStart);
  const std::string_view query =
      queryStart == std::string_view::npos ? std::string_view() : rest.substr(queryStart + 1);

  auto isQueryCharacter = [](char c) { return IsPathCharacter(c) || c == '/' || c == '?'; };
  return IsEscapedRun(path, [](char c) { return IsPathCharacter(c) || c == '/'; }) &&
         IsEscapedRun(query, isQueryCharacter) && IsEscapedRun(fragment, isQueryCharacter);
}

}  // namespace lanque
