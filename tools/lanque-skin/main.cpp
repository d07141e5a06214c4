// lanque-skin: packs a skin folder, unpacks a packed skin file, lists its
// entries, describes a skin, decodes one image file and draws a contact sheet.
//   lanque-skin pack DIR FILE
//   lanque-skin unpack FILE DIR
//   lanque-skin list FILE
//   lanque-skin info FILE|DIR
//   lanque-skin decode IMAGEFILE OUT.png
//   lanque-skin sheet FILE|DIR OUT.png
//   lanque-skin render FILE|DIR SECTION STATE WIDTHxHEIGHT OUT.png [#RRGGBB]
//     paints a section for a state at a size over a parent of the colour
//     (the skin's main colour by default); SECTION "*" paints every section
//     in every state on one sheet, each at the size.
// Every failure ends with one line on stderr (UTF-8) and a non-zero exit code.
// Arguments are taken as UTF-8; on Windows from the wide command line, so
// that any file name works whatever the system's code page.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/image_decode.h"
#include "skin/data/skin_folder.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skin/data/utf8_paths.h"
#include "tools/lanque-skin/contact_sheet.h"
#include "tools/lanque-skin/png_write.h"
#include "tools/lanque-skin/render_section.h"

namespace {

constexpr char kUsage[] =
    "usage: lanque-skin pack DIR FILE | unpack FILE DIR | list FILE | info FILE|DIR |"
    " decode IMAGEFILE OUT.png | sheet FILE|DIR OUT.png |"
    " render FILE|DIR SECTION STATE WIDTHxHEIGHT OUT.png [#RRGGBB]";

struct TUsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

int Pack(const std::filesystem::path& dir, const std::filesystem::path& file) {
  if (!std::filesystem::is_directory(dir))
    throw EPackedSkinError(Utf8OfPath(dir) + " is not a folder");
  if (!PackDir(dir, file))
    throw EPackedSkinError(Utf8OfPath(dir) + " holds no .dat, .bmp, .png or .jpg files; nothing written");
  return 0;
}

int Unpack(const std::filesystem::path& file, const std::filesystem::path& dir) {
  UnpackSkinFile(file, dir);
  return 0;
}

int List(const std::filesystem::path& file) {
  const std::vector<TPackedEntry> entries = ReadPackedEntries(ReadFileBytes(file));
  std::printf("%10s %10s  %s\n", "stored", "inflated", "name");
  for (const TPackedEntry& e : entries)
    std::printf("%10zu %10zu  %s\n", e.StoredSize, e.Content.size(), e.Name.c_str());
  std::printf("%zu entries\n", entries.size());
  return 0;
}

// A skin folder or a packed skin file, loaded as the skin manager loads it.
std::unique_ptr<TsSkinSource> OpenSkin(const std::filesystem::path& path) {
  std::unique_ptr<TsSkinSource> source = std::filesystem::is_directory(path) ? TsSkinSource::FromFolder(path)
                                                                             : TsSkinSource::FromPackedFile(path);
  if (!source->HasOptions()) throw EPackedSkinError(Utf8OfPath(path) + " has no Options.dat");
  return source;
}

int Info(const std::filesystem::path& path) {
  const std::unique_ptr<TsSkinSource> source = OpenSkin(path);
  TsSkinModel model;
  model.Load(*source);
  std::printf("version %.2f\nauthor %s\n", model.SkinData.Version, model.SkinData.Author.c_str());
  std::printf("sections %zu\nimages %zu\npatterns %zu\n", model.gd.size(), model.ma.size(), model.pa.size());
  for (const TsGeneralData& s : model.gd)
    std::printf("section %s states=%d parent=%s\n", s.SectionName.c_str(), s.States, s.ParentClass.c_str());
  for (const TUnresolvedImage& u : model.Unresolved)
    std::printf("unresolved %s %s %s\n", u.Section.c_str(), u.Key.c_str(), u.Value.c_str());
  return 0;
}

int Decode(const std::filesystem::path& image, const std::filesystem::path& out) {
  const std::optional<TLoadedImage> decoded = DecodeSkinImage(ReadFileBytes(image));
  if (!decoded) throw EPackedSkinError(Utf8OfPath(image) + " is no BMP, PNG or JPEG picture the skin loader reads");
  WritePng32(decoded->Bitmap, out);
  return 0;
}

int Sheet(const std::filesystem::path& path, const std::filesystem::path& out) {
  const std::unique_ptr<TsSkinSource> source = OpenSkin(path);
  TsSkinModel model;
  model.Load(*source);
  WritePng32(RenderContactSheet(model), out);
  return 0;
}

// A whole decimal number, or a usage error.
int NumberOf(const std::string& text, std::size_t maxDigits = 6) {
  if (text.empty() || text.size() > maxDigits || text.find_first_not_of("0123456789") != std::string::npos)
    throw TUsageError(kUsage);
  return std::stoi(text);
}

// "#RRGGBB" as a colour value (0x00BBGGRR).
TColor ColorOf(const std::string& text) {
  if (text.size() != 7 || text[0] != '#' || text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
    throw TUsageError(kUsage);
  return SwapRedBlue(static_cast<TColor>(std::stoul(text.substr(1), nullptr, 16)));
}

int Render(const std::vector<std::string>& args) {
  const std::size_t x = args[4].find('x');
  if (x == std::string::npos) throw TUsageError(kUsage);
  const int width = NumberOf(args[4].substr(0, x)), height = NumberOf(args[4].substr(x + 1));
  const int state = NumberOf(args[3], 3);
  const std::unique_ptr<TsSkinSource> source = OpenSkin(PathFromUtf8(args[1]));
  TsSkinModel model;
  model.Load(*source);
  const TColor parent = args.size() == 7 ? ColorOf(args[6]) : model.GetGlobalColor();
  WritePng32(args[2] == "*" ? RenderSectionSheet(model, width, height, parent)
                            : RenderSection(model, args[2], state, width, height, parent),
             PathFromUtf8(args[5]));
  return 0;
}

int Run(const std::vector<std::string>& args) {
  const auto path = [&](std::size_t i) { return PathFromUtf8(args[i]); };
  if (args.size() == 3 && args[0] == "pack") return Pack(path(1), path(2));
  if (args.size() == 3 && args[0] == "unpack") return Unpack(path(1), path(2));
  if (args.size() == 2 && args[0] == "list") return List(path(1));
  if (args.size() == 2 && args[0] == "info") return Info(path(1));
  if (args.size() == 3 && args[0] == "decode") return Decode(path(1), path(2));
  if (args.size() == 3 && args[0] == "sheet") return Sheet(path(1), path(2));
  if ((args.size() == 6 || args.size() == 7) && args[0] == "render") return Render(args);
  throw TUsageError(kUsage);
}

int RunReporting(const std::vector<std::string>& args) {
  try {
    return Run(args);
  } catch (const TUsageError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lanque-skin: %s\n", e.what());
    return 1;
  }
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8OfPath(std::filesystem::path(argv[i])));
  return RunReporting(args);
}
#else
int main(int argc, char** argv) { return RunReporting(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
