#include "skin/data/gradient_data.h"

#include <algorithm>
#include <vector>

#include "skin/data/ini_text.h"
#include "skin/data/text_words.h"

TsGradArray ParseGradientData(std::string_view data) {
  const std::vector<std::string_view> words = SplitWords(data, ";");
  TsGradArray stripes;
  stripes.reserve(words.size() / 5);
  const auto number = [&](std::size_t i) { return ParseInt32(words[i]).value_or(0); };
  for (std::size_t i = 0; i + 5 <= words.size(); i += 5) {
    const int kind = number(i + 3);
    stripes.push_back({ColorToRGB(static_cast<TColor>(number(i))), ColorToRGB(static_cast<TColor>(number(i + 1))),
                       static_cast<std::uint8_t>(std::clamp(number(i + 2), 0, 100)),
                       kind >= gtTopBottom && kind <= gtAsBorder ? static_cast<TGradientTypes>(kind) : gtTopBottom});
  }
  return stripes;
}
