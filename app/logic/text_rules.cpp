#include "app/logic/text_rules.h"

#include <charconv>

namespace lanque {

std::string_view TrimControl(std::string_view text) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
  return text;
}

BarSplit SplitAtBar(std::string_view text) {
  const auto at = text.find('|');
  if (at == std::string_view::npos) return {text, {}, false};
  return {text.substr(0, at), text.substr(at + 1), true};
}

std::string EchoOfReply(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;  // not a continuation byte
    if (starts && characters++ == kMaxEchoedCharacters) return std::string(text.substr(0, at)) + "…";
  }
  return std::string(text);
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<std::uint32_t> ParsePollSeconds(std::string_view text) {
  text = TrimControl(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  std::uint64_t seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (seconds > UINT32_MAX / 1000) return std::nullopt;
  return static_cast<std::uint32_t>(seconds * 1000);
}

}  // namespace lanque
