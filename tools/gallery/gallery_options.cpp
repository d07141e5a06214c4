#include "tools/gallery/gallery_options.h"

#include <cwchar>

namespace {

bool ReadNumber(const std::wstring& Text, int& Value) {
  wchar_t* end = nullptr;
  const long number = std::wcstol(Text.c_str(), &end, 10);
  if (Text.empty() || *end != L'\0') return false;
  Value = static_cast<int>(number);
  return true;
}

}  // namespace

TGalleryOptions ParseGalleryArguments(const std::vector<std::wstring>& Args) {
  TGalleryOptions options;
  for (size_t i = 0; i < Args.size(); ++i) {
    const std::wstring& name = Args[i];
    if (name == L"--unskinned") {
      options.Skinned = false;
      continue;
    }
    if (i + 1 >= Args.size()) break;
    const std::wstring& value = Args[i + 1];
    bool taken = true;
    if (name == L"--skins")
      options.SkinDirectory = value;
    else if (name == L"--skin")
      options.SkinName = value;
    else if (name == L"--hue")
      ReadNumber(value, options.Hue);
    else if (name == L"--saturation")
      ReadNumber(value, options.Saturation);
    else if (name == L"--brightness")
      ReadNumber(value, options.Brightness);
    else
      taken = false;
    if (taken) ++i;
  }
  return options;
}
