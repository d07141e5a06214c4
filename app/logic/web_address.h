// The one rule for addresses that come from outside (the service's replies,
// the command line, config.ini) before the client navigates to them or hands
// them to the shell.
#pragma once

#include <cstddef>
#include <string_view>

namespace lanque {

// Longest address the client follows or opens.
inline constexpr std::size_t kMaxWebAddressLength = 2048;

// True for a complete absolute "http" or "https" URI (scheme in any letter
// case) in the syntax of RFC 3986: "//" authority with a non-empty host,
// optional port, then path, query and fragment made of the characters the
// syntax allows and well-formed %XX escapes. Quotes (the "'" that the syntax
// would allow among the sub-delimiters, too), blanks, control characters and
// non-ASCII bytes are refused, and so is anything longer than
// kMaxWebAddressLength.
bool IsWebAddress(std::string_view address);

}  // namespace lanque
