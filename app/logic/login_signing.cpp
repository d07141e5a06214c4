#include "app/logic/login_signing.h"

#include "app/logic/md5.h"
#include "app/logic/percent_encoding.h"

namespace lanque {

std::string LoginSignature(const LoginRequest& request) {
  return Md5Hex(std::string(kSigningKey) + std::to_string(request.timestamp) + request.nonce +
                request.userId);
}

std::string BuildLoginQuery(const LoginRequest& request) {
  return "userid=" + PercentEncode(request.userId) + "&pwd=" + PercentEncode(request.passwordDigest) +
         "&timestamp=" + std::to_string(request.timestamp) + "&nonce=" + PercentEncode(request.nonce) +
         "&signature=" + LoginSignature(request);
}

}  // namespace lanque
