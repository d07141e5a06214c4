// Small text rules of the service protocol: trimming, the "|" split, numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lanque {

// Removes leading and trailing characters with codes of 32 or less. Safe on
// UTF-8 and on GBK bytes: neither uses bytes below 33 inside a character.
std::string_view TrimControl(std::string_view text);

// The text split at its first "|": before it, after it, and whether it occurs.
// Without a "|" the whole text is "before" and "after" is empty.
struct BarSplit {
  std::string_view before;
  std::string_view after;
  bool found = false;
};
BarSplit SplitAtBar(std::string_view text);

// At most kMaxEchoedCharacters characters of a UTF-8 text the service sent,
// for a message: a longer text is cut at a character boundary and ends in "…".
inline constexpr std::size_t kMaxEchoedCharacters = 200;
std::string EchoOfReply(std::string_view text);

// Letter case of ASCII only: enough for the fixed words of the protocol.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// A poll interval given in decimal seconds (blanks around it allowed), as
// milliseconds; empty when it is not a non-negative decimal integer whose
// milliseconds fit in 32 bits.
std::optional<std::uint32_t> ParsePollSeconds(std::string_view text);

}  // namespace lanque
