#include "app/logic/service_address.h"

#include "app/logic/percent_encoding.h"
#include "app/logic/text_rules.h"

namespace lanque {
namespace {

constexpr std::string_view kLoginPath = "/lanquemsg_v2/index.php/Login/";
constexpr std::string_view kServiceSwitch = "/service=";

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::optional<std::string> AsBaseUrl(std::string_view candidate) {
  candidate = TrimControl(candidate);
  while (!candidate.empty() && candidate.back() == '/') candidate.remove_suffix(1);
  if (!IsWebAddress(candidate)) return std::nullopt;
  return std::string(candidate);
}

}  // namespace

std::string ChooseServiceBaseUrl(const std::vector<std::string>& commandLineArguments,
                                 const std::optional<std::string>& configuredBaseUrl) {
  std::optional<std::string> fromSwitch;
  for (const auto& argument : commandLineArguments) {
    if (!StartsWithIgnoreCase(argument, kServiceSwitch)) continue;
    if (auto base = AsBaseUrl(std::string_view(argument).substr(kServiceSwitch.size()))) {
      fromSwitch = std::move(base);
    }
  }
  if (fromSwitch) return *fromSwitch;
  if (configuredBaseUrl) {
    if (auto base = AsBaseUrl(*configuredBaseUrl)) return *base;
  }
  return std::string(kDefaultServiceBaseUrl);
}

std::string ServiceEndpoints::ParametersAddress() const {
  return base_ + std::string(kLoginPath) + "client_get_param";
}

std::string ServiceEndpoints::BannerAddress() const {
  return base_ + std::string(kLoginPath) + "client_login_ad";
}

std::string ServiceEndpoints::NonceAddress(std::string_view userIdBytes) const {
  return base_ + std::string(kLoginPath) + "client_get_nonce?userid=" + PercentEncode(userIdBytes);
}

std::string ServiceEndpoints::LoginAddress(std::string_view loginQuery) const {
  return base_ + std::string(kLoginPath) + "client_login?" + std::string(loginQuery);
}

}  // namespace lanque
