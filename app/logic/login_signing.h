// The signed login request: password digest, signature and query.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lanque {

// Shared with the service; used as text, not decoded.
inline constexpr std::string_view kSigningKey = "9c41f07d2be85a36c1d94e0f7a2b6358";

// All texts are the bytes that are sent and signed: system code page.
struct LoginRequest {
  std::string userId;          // trimmed user number
  std::string passwordDigest;  // Md5Hex of the trimmed password, or the stored digest
  std::int64_t timestamp = 0;  // whole seconds since 1970-01-01 UTC
  std::string nonce;
};

// Md5Hex(key + timestamp + nonce + user id).
std::string LoginSignature(const LoginRequest& request);

// "userid=...&pwd=...&timestamp=...&nonce=...&signature=..." in this order;
// values percent-encoded, the signature taken over the raw values.
std::string BuildLoginQuery(const LoginRequest& request);

}  // namespace lanque
