#pragma once
// Words of a text: the non-empty runs between any of the separator characters.
#include <string_view>
#include <vector>

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);
