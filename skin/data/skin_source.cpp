#include "skin/data/skin_source.h"

#include <algorithm>

#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/utf8_paths.h"

namespace {

std::unique_ptr<TacSkinConvertor> Extracted(std::unique_ptr<TacSkinConvertor> convertor) {
  ExtractPackedData(convertor);
  return convertor;
}

std::string_view TextOf(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A name with a ".." part, separated by either slash.
bool ClimbsOut(std::string_view name) {
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find_first_of("\\/", start), name.size());
    if (name.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::unique_ptr<TsSkinSource> TsSkinSource::FromPackedBytes(std::span<const std::uint8_t> container) {
  auto convertor = std::make_unique<TacSkinConvertor>();
  convertor->LendPackedData(container);
  std::unique_ptr<TsSkinSource> source(new TsSkinSource);
  source->convertor_ = Extracted(std::move(convertor));
  if (source->convertor_->Options) source->TakeOptions(*source->convertor_->Options, "the packed skin");
  return source;
}

std::unique_ptr<TsSkinSource> TsSkinSource::FromPackedFile(const std::filesystem::path& file) {
  std::unique_ptr<TacSkinConvertor> convertor;
  try {
    LoadSkinFromFile(file, convertor, true);
  } catch (const EPackedSkinError& error) {
    throw EPackedSkinError(Utf8OfPath(file) + ": " + error.what());  // which file, then what is wrong with it
  }
  if (!convertor) throw EPackedSkinError("No packed skin file " + Utf8OfPath(file));
  std::unique_ptr<TsSkinSource> source(new TsSkinSource);
  source->convertor_ = std::move(convertor);
  if (source->convertor_->Options) source->TakeOptions(*source->convertor_->Options, Utf8OfPath(file));
  return source;
}

std::unique_ptr<TsSkinSource> TsSkinSource::FromFolder(const std::filesystem::path& folder) {
  std::unique_ptr<TsSkinSource> source(new TsSkinSource);
  source->folder_ = folder;
  const std::filesystem::path options = source->FolderFile("Options.dat");
  std::error_code ec;
  if (!options.empty() && std::filesystem::is_regular_file(options, ec))
    source->TakeOptions(ReadFileBytes(options, kMaxOptionsSize), Utf8OfPath(folder));
  return source;
}

void TsSkinSource::TakeOptions(const std::vector<std::uint8_t>& bytes, const std::string& where) {
  if (bytes.size() > kMaxOptionsSize) throw EPackedSkinError("The options text of " + where + " is too large");
  hasOptions_ = true;
  options_ = TIniText(TextOf(bytes));
}

std::filesystem::path TsSkinSource::FolderFile(std::string_view name) const {
  if (name.empty()) return {};
  if (ClimbsOut(name))
    throw EPackedSkinError("The image name \"" + Utf8OfPath(PathFromSystemName(std::string(name))) +
                           "\" leaves the skin folder");
  const std::filesystem::path direct =
      name.find(':') != std::string_view::npos ? PathFromSystemName(std::string(name))
                                               : folder_ / PathFromSystemName(std::string(name));
  std::error_code ec;
  if (std::filesystem::is_regular_file(direct, ec)) return direct;
  // Names in the options text ignore letter case, as the Windows file system does.
  const std::string wanted = UpperName(SystemNameOfPath(direct.filename()));
  for (const auto& item : std::filesystem::directory_iterator(direct.parent_path(), ec))
    if (UpperName(SystemNameOfPath(item.path().filename())) == wanted && item.is_regular_file(ec)) return item.path();
  return {};
}

TImageBytes TsSkinSource::ImageBytes(std::string_view name) const {
  TImageBytes out;
  if (convertor_) {
    if (const TacImageItem* item = FindImageEntry(*convertor_, name)) {
      out.Bytes = item->Content;
      out.Found = true;
    }
    return out;
  }
  const std::filesystem::path file = FolderFile(name);
  if (file.empty()) return out;
  try {
    out.Owned = ReadFileBytes(file, kMaxEntrySize);
  } catch (const EPackedSkinError&) {
    return out;  // unreadable or too large: no picture
  }
  out.Bytes = out.Owned;
  out.Found = true;
  return out;
}

bool TsSkinSource::ImageExists(std::string_view name) const {
  if (convertor_) return FindImageEntry(*convertor_, name) != nullptr;
  return !FolderFile(name).empty();
}

std::vector<std::string> TsSkinSource::ImageNames() const {
  std::vector<std::string> names;
  if (convertor_) {
    for (const TacImageItem& item : convertor_->Files) names.push_back(item.FileName);
    return names;
  }
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(folder_, ec)) {
    const std::string ext = UpperName(SystemNameOfPath(item.path().extension()));
    if (item.is_regular_file(ec) && (ext == ".BMP" || ext == ".PNG" || ext == ".JPG" || ext == ".JPEG"))
      names.push_back(SystemNameOfPath(item.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}
