#include "skin/data/image_values.h"

#include <algorithm>
#include <vector>

#include "skin/data/ini_text.h"
#include "skin/data/packed_skin.h"
#include "skin/data/text_words.h"

namespace {

// Fields of the image records are 16-bit: larger numbers are limited.
int Small(int v) { return std::clamp(v, -32768, 32767); }

// Digits at a 1-based column; a missing or non-digit character reads as 0.
int DigitsAt(std::string_view value, std::size_t column, std::size_t count) {
  int v = 0;
  for (std::size_t i = column - 1; i < column - 1 + count; ++i) {
    const char c = i < value.size() ? value[i] : '0';
    v = v * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
  }
  return v;
}

TRect ColumnsRect(std::string_view value) {
  return {DigitsAt(value, 2, 4), DigitsAt(value, 7, 4), DigitsAt(value, 12, 4), DigitsAt(value, 17, 4)};
}

int Number(std::string_view word) { return ParseInt32(word).value_or(0); }

TImageValue ParseFile(std::string_view value) {
  const std::vector<std::string_view> words = SplitWords(value, "!");
  TImageValue v;
  if (words.empty()) return v;
  if (!ContainsIgnoringCase(words[0], ".BMP") && !ContainsIgnoringCase(words[0], ".PNG")) return v;
  const auto word = [&](std::size_t i) { return i < words.size() ? Number(words[i]) : 0; };
  v.Form = TImageForm::File;
  v.FileName = std::string(words[0]);
  v.FrameCount = Small(word(1));
  v.MaskKind = Small(word(2));
  v.Kind = static_cast<TacImgType>(std::clamp(word(3), 0, 4));
  v.MarginsGiven = words.size() >= 5;
  if (v.MarginsGiven)
    for (int k = 0; k < 4; ++k) v.Margins[k] = Small(word(4 + k));
  v.PaintMode = words.size() < 9 ? 1 : Small(word(8));
  return v;
}

TImageValue ParseMaster(std::string_view value) {
  const std::vector<std::string_view> words = SplitWords(value, " ()");
  TImageValue v;
  v.Form = TImageForm::Master;
  const auto numbers = [&](std::size_t i) {
    std::vector<int> out;
    if (i < words.size())
      for (std::string_view n : SplitWords(words[i], " ,")) out.push_back(Number(n));
    return out;
  };
  const std::vector<int> rect = numbers(1);
  const std::vector<int> layout = numbers(2);
  const auto at = [](const std::vector<int>& list, std::size_t i, int fallback) {
    return i < list.size() ? list[i] : fallback;
  };
  v.Rect = {at(rect, 0, 0), at(rect, 1, 0), at(rect, 2, 0), at(rect, 3, 0)};
  v.FrameCount = Small(std::max(at(layout, 0, 1), 1));
  v.MaskKind = Small(std::max(at(layout, 1, 0), 0));
  v.UniformMargin = Small(std::max(at(layout, 2, 0), 0));
  v.PaintMode = Small(at(layout, 3, 1));
  return v;
}

}  // namespace

TImageValue ParseBorderColumns(std::string_view value) {
  TImageValue v;
  v.Form = TImageForm::Border;
  v.Rect = ColumnsRect(value);
  for (int k = 0; k < 4; ++k) v.Margins[k] = DigitsAt(value, 22 + 5 * k, 4);
  v.FrameCount = DigitsAt(value, 42, 1);
  v.MaskKind = DigitsAt(value, 44, 1);
  v.PaintMode = DigitsAt(value, 46, 1);
  v.UniformMargin = DigitsAt(value, 48, 1);
  return v;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  // Only places where the first character matches in either case are compared whole.
  const char first = part.front();
  const char upper = first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : first;
  const char lower = first >= 'A' && first <= 'Z' ? static_cast<char>(first - 'A' + 'a') : first;
  for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
    if ((text[i] == upper || text[i] == lower) && SameNameIgnoringCase(text.substr(i, part.size()), part))
      return true;
  return false;
}

bool IsPatternValue(std::string_view value) {
  for (std::size_t dot = value.find('.'); dot != std::string_view::npos; dot = value.find('.', dot + 1)) {
    const std::string_view rest = value.substr(dot + 1);
    if (SameNameIgnoringCase(rest.substr(0, 3), "JPG") || SameNameIgnoringCase(rest.substr(0, 4), "JPEG")) return true;
  }
  return false;
}

TImageValue ParseImageValue(std::string_view value) {
  if (value.empty()) return {};
  switch (value.front()) {
    case '^':
      return ParseBorderColumns(value);
    case '@': {
      TImageValue v;
      v.Form = TImageForm::Glyph;
      v.Kind = itisaGlyph;
      v.Rect = ColumnsRect(value);
      v.FrameCount = DigitsAt(value, 22, 1);
      v.MaskKind = DigitsAt(value, 24, 1);
      return v;
    }
    case '~': {
      TImageValue v;
      v.Form = TImageForm::Texture;
      v.Kind = itisaTexture;
      v.Rect = ColumnsRect(value);
      v.FrameCount = 1;
      v.PaintMode = DigitsAt(value, 22, 2);
      v.MaskKind = value.size() >= 25 ? DigitsAt(value, 25, 1) : 0;
      return v;
    }
    case '!':
      return ParseFile(value);
    default:
      break;
  }
  const bool hasHash = value.find('#') != std::string_view::npos;
  if (!hasHash && ContainsIgnoringCase(value, ".BMP")) {
    TImageValue v;
    v.Form = TImageForm::PlainFile;
    v.FileName = std::string(value);
    v.FrameCount = 3;
    v.MaskKind = 1;
    return v;
  }
  if (hasHash && value != "#") return ParseMaster(value);
  return {};
}
