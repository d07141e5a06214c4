// Image records and patterns: cut from the master bitmap or loaded from the
// skin's image files, as the options text names them.
#include <algorithm>

#include "skin/data/image_decode.h"
#include "skin/data/image_values.h"
#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_model.h"
#include "skin/data/utf8_paths.h"
#include "skin/paint/fills.h"
#include "skin/paint/transparent_pixels.h"

namespace {

constexpr std::int64_t kPatternMinPixels = 900000;  // larger JPEG textures become pattern records
constexpr double kNewAlphaVersion = 7.45;           // newer skins paint PNG pictures premultiplied

double ReadVersion(const TIniText& ini) {
  // '.' is the decimal separator whatever the locale.
  const std::string text = ini.ReadString("GLOBALINFO", "VERSION", "0");
  double whole = 0, fraction = 0, scale = 1;
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) whole = whole * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) fraction += (text[i] - '0') * (scale /= 10);
  if (i != text.size()) return 0;
  return negative ? -(whole + fraction) : whole + fraction;
}

bool HasKeyPixel(const TBitmap32& bmp, int left, int top, int right, int bottom) {
  // Each end clipped to the last column or row of the picture, and excluded.
  right = std::min(right, bmp.Width() - 1);
  bottom = std::min(bottom, bmp.Height() - 1);
  left = std::max(left, 0);
  top = std::max(top, 0);
  for (int y = top; y < bottom; ++y) {
    const TsColor* row = bmp.Row(y);
    for (int x = left; x < right; ++x)
      if (row[x] == sFuchsia) return true;
  }
  return false;
}

void DeriveMargins(TsMaskData& md) {
  const int across = md.FrameCount * 3;
  const int down = (md.MaskKind + 1) * 3;
  md.MarginLeft = md.MarginRight = static_cast<std::int16_t>(across > 0 ? md.SourceRect.Width() / across : 0);
  md.MarginTop = md.MarginBottom = static_cast<std::int16_t>(down > 0 ? md.SourceRect.Height() / down : 0);
}

}  // namespace

std::optional<TBitmap32> TsSkinModel::LoadImageFile(std::string_view name, bool prepareAlpha) const {
  const TImageBytes file = source_->ImageBytes(name);
  if (!file.Found) return std::nullopt;
  // A picture that is there but cannot be read (truncated, damaged, too
  // large) makes a broken skin, not a skin with a hole.
  std::optional<TLoadedImage> image = DecodeSkinImage(file.Bytes);
  if (!image || image->Bitmap.Width() == 0)
    throw EPackedSkinError("The picture " + Utf8OfPath(PathFromSystemName(std::string(name))) +
                           " of the skin cannot be read");
  if (prepareAlpha && image->Format == TImageFormat::Png && settings_.Brightness <= 0) {
    if (SkinData.Version <= kNewAlphaVersion)
      NormaliseTransparent(image->Bitmap);
    else
      UpdateAlpha(image->Bitmap);
  }
  return std::move(image->Bitmap);
}

void TsSkinModel::Unresolve(const std::string& section, const std::string& key, const std::string& value) {
  Unresolved.push_back({section, key, value});
}

void TsSkinModel::AddImageRecord(const std::string& section, const std::string& key, const std::string& value,
                                 bool fromCommon) {
  const TImageValue v = ParseImageValue(value);
  if (v.Form == TImageForm::None) return;
  TsMaskData md;
  md.Owner = this;
  md.Kind = v.Kind;
  md.FrameCount = static_cast<std::int16_t>(v.FrameCount);
  md.MaskKind = static_cast<std::int16_t>(v.MaskKind);
  md.UniformMargin = static_cast<std::int16_t>(v.UniformMargin);
  md.PaintMode = static_cast<std::int16_t>(v.PaintMode);
  const bool upperNames = v.Form == TImageForm::PlainFile || v.Form == TImageForm::Master;
  md.SectionName = upperNames ? UpperName(section) : section;
  md.KeyName = upperNames ? UpperName(key) : key;

  const bool fromFile = v.Form == TImageForm::File || v.Form == TImageForm::PlainFile;
  if (fromFile) {
    std::optional<TBitmap32> image = LoadImageFile(v.FileName, true);
    if (!image) return Unresolve(section, key, value);
    md.Image = std::move(*image);
    md.SourceRect = {0, 0, md.Image.Width(), md.Image.Height()};
  } else {
    // A rectangle reaching beyond the master bitmap is cut to it, so that no
    // painter reads outside the picture.
    md.SourceRect = CutToPicture(v.Rect, MasterBitmap);
    if (md.SourceRect.IsEmpty()) Unresolve(section, key, value);
  }

  const bool allZero = std::all_of(v.Margins.begin(), v.Margins.end(), [](int m) { return m == 0; });
  switch (v.Form) {
    case TImageForm::Border:
    case TImageForm::Master:
      if (!allZero) {
        md.MarginLeft = static_cast<std::int16_t>(v.Margins[0]);
        md.MarginTop = static_cast<std::int16_t>(v.Margins[1]);
        md.MarginRight = static_cast<std::int16_t>(v.Margins[2]);
        md.MarginBottom = static_cast<std::int16_t>(v.Margins[3]);
      } else if (v.UniformMargin != 0) {
        md.MarginLeft = md.MarginTop = md.MarginRight = md.MarginBottom = md.UniformMargin;
      } else if (v.Form == TImageForm::Master && !fromCommon) {
        md.MarginLeft = md.MarginRight = static_cast<std::int16_t>(WidthOfImage(md));
        md.MarginTop = md.MarginBottom = static_cast<std::int16_t>(HeightOfImage(md));
      } else {
        DeriveMargins(md);
      }
      break;
    case TImageForm::File:
      if (v.MarginsGiven) {
        md.MarginLeft = static_cast<std::int16_t>(v.Margins[0]);
        md.MarginTop = static_cast<std::int16_t>(v.Margins[1]);
        md.MarginRight = static_cast<std::int16_t>(v.Margins[2]);
        md.MarginBottom = static_cast<std::int16_t>(v.Margins[3]);
      } else {
        DeriveMargins(md);
      }
      break;
    case TImageForm::PlainFile:
      DeriveMargins(md);
      break;
    default:
      break;
  }

  const bool bordered = v.Form == TImageForm::Border || v.Form == TImageForm::Master ||
                        v.Form == TImageForm::PlainFile || (v.Form == TImageForm::File && md.Kind == itisaBorder);
  if (bordered) {
    if (md.SectionName == "BUTTON_HUGE" && md.KeyName == "BORDERSMASK") {
      md.CornerKind = 2;
    } else if (md.SourceRect.Height() > 0) {
      const TBitmap32& src = SourceOf(md);
      const TRect r = md.SourceRect;
      const int w = WidthOfImage(md), h = HeightOfImage(md);
      const int ml = md.MarginLeft, mt = md.MarginTop, mr = md.MarginRight, mb = md.MarginBottom;
      const bool hit = HasKeyPixel(src, r.Left, r.Top, r.Left + ml, r.Top + mt) ||
                       HasKeyPixel(src, r.Left + w - mr, r.Top, r.Left + w, r.Top + mt) ||
                       HasKeyPixel(src, r.Left, r.Top + h - mb, r.Left + ml, r.Top + h) ||
                       HasKeyPixel(src, r.Left + w - mr, r.Top + h - mb, r.Left + w, r.Top + h);
      md.CornerKind = hit ? 1 : 0;
    }
  }
  ma.push_back(std::move(md));
}

void TsSkinModel::LoadAllMasks() {
  FreeBitmaps();
  if (source_ == nullptr) return;
  const TIniText& ini = source_->Options();
  SkinData.MasterBitmap = ini.ReadString("GLOBALINFO", "MASTERBITMAP", "");
  SkinData.Version = ReadVersion(ini);
  if (!SkinData.MasterBitmap.empty()) {
    if (std::optional<TBitmap32> master = LoadImageFile(SkinData.MasterBitmap, false))
      MasterBitmap = std::move(*master);
    else
      Unresolve("GLOBALINFO", "MASTERBITMAP", SkinData.MasterBitmap);
  }
  for (const TIniText::TSection& section : ini.Sections()) {
    const bool global = SameNameIgnoringCase(section.Name, "GLOBALINFO");
    for (const TIniText::TKey& key : section.Keys)
      if (!(global && SameNameIgnoringCase(key.Name, "MASTERBITMAP")) && !IsPatternValue(key.Value))
        AddImageRecord(section.Name, key.Name, key.Value, false);
  }
  // Image records of the common sections: files named by ".BMP" values
  // (any value when there is no master bitmap, else those without '#'), and
  // '#' values cut from the master bitmap.
  for (const TIniText::TSection& section : common_.Sections()) {
    if (SameNameIgnoringCase(section.Name, "GLOBALINFO")) continue;
    for (const TIniText::TKey& key : section.Keys) {
      const std::string& value = key.Value;
      const bool hasHash = value.find('#') != std::string::npos;
      if ((!hasHash || MasterBitmap.Empty()) && UpperName(value).find(".BMP") != std::string::npos) {
        const std::string file = value.substr(0, value.find('#'));
        if (source_->ImageExists(file)) AddImageRecord(section.Name, key.Name, file, true);
      } else if (hasHash && value != "#") {
        AddImageRecord(section.Name, key.Name, value, true);
      }
    }
  }
}

void TsSkinModel::AddPatternValue(const std::string& section, const std::string& key, const std::string& value,
                                  bool alwaysPattern) {
  std::optional<TBitmap32> picture = LoadImageFile(value, false);
  if (!picture) return Unresolve(section, key, value);
  const std::int64_t pixels = std::int64_t{picture->Width()} * picture->Height();
  if (alwaysPattern || pixels >= kPatternMinPixels) {
    pa.push_back({std::move(*picture), UpperName(section), UpperName(key)});
    return;
  }
  TsMaskData md;
  md.Image = std::move(*picture);
  md.SectionName = UpperName(section);
  md.KeyName = UpperName(key);
  md.SourceRect = {0, 0, md.Image.Width(), md.Image.Height()};
  md.FrameCount = 1;
  md.Kind = itisaTexture;
  md.Owner = this;
  ma.push_back(std::move(md));
}

void TsSkinModel::LoadAllPatterns() {
  FreeJpegs();
  if (source_ == nullptr) return;
  for (const TIniText::TSection& section : source_->Options().Sections())
    for (const TIniText::TKey& key : section.Keys)
      if (IsPatternValue(key.Value)) AddPatternValue(section.Name, key.Name, key.Value, false);
  for (const TIniText::TSection& section : common_.Sections())
    for (const TIniText::TKey& key : section.Keys)
      if (IsPatternValue(key.Value) && source_->ImageExists(key.Value))
        AddPatternValue(section.Name, key.Name, key.Value, true);
}
