#include "skin/data/text_words.h"

#include <algorithm>

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(separators, at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}
