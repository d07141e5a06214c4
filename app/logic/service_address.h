// The service's base address and the addresses of its endpoints.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/logic/web_address.h"

namespace lanque {

// Used when neither the command line nor config.ini names a service.
inline constexpr std::string_view kDefaultServiceBaseUrl = "http://127.0.0.1:8765";

// The base address: the last "/service=URL" switch of the command line (switch
// name in any letter case), else the configured [SERVICE] BaseUrl, else the
// built-in default. Values that are not web addresses are passed over;
// trailing "/" are dropped so that endpoint paths can be appended.
std::string ChooseServiceBaseUrl(const std::vector<std::string>& commandLineArguments,
                                 const std::optional<std::string>& configuredBaseUrl);

// Endpoint addresses below the base. Query values are given as the bytes to
// send (system code page) and are percent-encoded here.
class ServiceEndpoints {
 public:
  explicit ServiceEndpoints(std::string baseUrl) : base_(std::move(baseUrl)) {}

  const std::string& BaseUrl() const { return base_; }
  std::string ParametersAddress() const;
  std::string BannerAddress() const;
  std::string NonceAddress(std::string_view userIdBytes) const;
  std::string LoginAddress(std::string_view loginQuery) const;

 private:
  std::string base_;
};

}  // namespace lanque
