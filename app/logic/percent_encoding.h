// Percent-encoding of query values (RFC 3986).
#pragma once

#include <string>
#include <string_view>

namespace lanque {

// Every byte outside the unreserved set (letters, digits, "-", ".", "_", "~")
// becomes "%" and two upper-case hexadecimal digits.
std::string PercentEncode(std::string_view bytes);

}  // namespace lanque
