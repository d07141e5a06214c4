#include "skin/data/binding/change_image.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "skin/data/file_bytes.h"
#include "skin/data/image_decode.h"

namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

bool NamesMatch(const std::string& section, const std::string& key, const std::string& s, const std::string& k) {
  return Upper(section) == s && Upper(key) == k;
}

std::optional<TLoadedImage> ReadPicture(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  try {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file);
    return DecodeSkinImage(bytes);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

bool ChangeImageInSkin(TsSkinModel& model, const std::string& section, const std::string& key,
                       const std::filesystem::path& file) {
  if (!model.Loaded()) return false;
  std::optional<TLoadedImage> picture = ReadPicture(file);
  if (!picture) return false;
  const std::string s = Upper(section);
  const std::string k = Upper(key);
  if ((k == "PATTERN" || k == "HOTPATTERN") && picture->Format != TImageFormat::Bmp) {
    auto pattern = std::find_if(model.pa.begin(), model.pa.end(), [&](const TsPatternData& p) {
      return NamesMatch(p.SectionName, p.KeyName, s, k);
    });
    if (pattern != model.pa.end())
      pattern->Image = std::move(picture->Bitmap);
    else
      model.pa.push_back({std::move(picture->Bitmap), s, k});
    std::erase_if(model.ma, [&](const TsMaskData& md) { return NamesMatch(md.SectionName, md.KeyName, s, k); });
  } else {
    auto record = std::find_if(model.ma.begin(), model.ma.end(), [&](const TsMaskData& md) {
      return NamesMatch(md.SectionName, md.KeyName, s, k);
    });
    if (record == model.ma.end()) {
      TsMaskData md;
      md.SectionName = s;
      md.KeyName = k;
      md.FrameCount = 1;
      md.Owner = &model;
      model.ma.push_back(std::move(md));
      record = std::prev(model.ma.end());
    }
    record->Image = std::move(picture->Bitmap);
    record->SourceRect = {0, 0, record->Image.Width(), record->Image.Height()};
  }
  model.InitConstantIndexes();
  return true;
}
