// Sections, skin-wide values, outer effects, palette and the image indexes
// of the sections.
#include <algorithm>
#include <array>
#include <string_view>

#include "skin/data/gradient_data.h"
#include "skin/data/image_values.h"
#include "skin/data/outer_effects.h"
#include "skin/data/packed_skin.h"
#include "skin/data/platform_metrics.h"
#include "skin/data/section_reader.h"
#include "skin/data/skin_common_sections.h"
#include "skin/data/skin_model.h"
#include "base/sys_colors.h"

namespace {

constexpr int COLOR_WINDOW = 5, COLOR_WINDOWTEXT = 8, COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14,
              COLOR_BTNFACE = 15;
constexpr TColor kSystemColorFlag = 0x80000000;

// The keys a section record reads, addressed by their position in the key
// set: the section's own keys, then the keys of the normal and of the hot
// state record.
enum TStateKey : std::size_t {
  kColor, kFontColor, kTcLeft, kTcTop, kTcRight, kTcBottom, kGradientPercent, kGradientData, kImagePercent,
  kGlowColor, kGlowSize, kTransparency
};
constexpr std::size_t kStateKeyCount = kTransparency + 1;
enum TSectionKey : std::size_t {
  kParentClass, kReservedBoolean, kGiveOwnFont, kGlow, kGlowMargin, kStates, kOuterMode, kOutOpacity,
  kOutOffsL, kOutOffsT, kOutOffsR, kOutOffsB, kNormalKeys
};
constexpr std::size_t kSectionKeyCount = kNormalKeys + 2 * kStateKeyCount;
constexpr std::array<std::string_view, kSectionKeyCount> kSectionKeyNames = {
    "PARENTCLASS", "RESERVEDBOOLEAN", "GIVEOWNFONT", "GLOW", "GLOWMARGIN", "STATES", "OUTERMODE", "OUTOPACITY",
    "OUTOFFSL", "OUTOFFST", "OUTOFFSR", "OUTOFFSB",
    "COLOR", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM", "GRADIENTPERCENT", "GRADIENTDATA",
    "IMAGEPERCENT", "GCOL", "GSIZE", "TRANSPARENCY",
    "HOTCOLOR", "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HOTGRADIENTPERCENT",
    "HOTGRADIENTDATA", "HOTIMAGEPERCENT", "HGCOL", "HGSIZE", "HOTTRANSPARENCY"};

const TSectionKeySet& SectionKeys() {
  static const TSectionKeySet keys(kSectionKeyNames);
  return keys;
}

TsGenState ReadState(const TSectionReader& r, bool hot) {
  const std::size_t normal = kNormalKeys;
  const std::size_t base = hot ? normal + kStateKeyCount : normal;
  TsGenState st;
  st.Color = static_cast<TColor>(r.ReadInt(base + kColor, 0xFFFFFF));
  st.FontColor[0] = static_cast<TColor>(r.ReadInt(base + kFontColor, 0));
  for (std::size_t i = 1; i < 5; ++i) st.FontColor[i] = static_cast<TColor>(r.ReadInt(base + kFontColor + i, -1));
  st.GradientPercent = r.ReadInt(base + kGradientPercent, 0, 100);
  st.GradientData = r.ReadText(base + kGradientData, " ");
  st.ImagePercent = r.ReadInt(base + kImagePercent, 0, 100);
  st.GlowColor = static_cast<TColor>(r.ReadInt(base + kGlowColor, 0xFFFFFF));
  st.GlowSize = r.ReadInt(base + kGlowSize, 0, 255);
  st.Transparency = r.ReadInt(base + kTransparency, 0, 100);
  return st;
}

bool IsGlobalInfo(std::string_view name) { return SameNameIgnoringCase(name, "GLOBALINFO"); }

}  // namespace


void CopyStateValues(TsGenState& to, const TsGenState& from) {
  to.Color = from.Color;
  to.FontColor = from.FontColor;
  to.GlowColor = from.GlowColor;
  to.GlowSize = from.GlowSize;
  to.GradientPercent = from.GradientPercent;
  to.GradientData = from.GradientData;
  to.GradientArray = from.GradientArray;
  to.ImagePercent = from.ImagePercent;
  to.Transparency = from.Transparency;
}

void TsSkinModel::ReadSkinData() {
  const TIniText::TSection& global = source_->Options().SectionOrEmpty("GLOBALINFO");
  const auto num = [&](const char* key, int fallback) { return global.ReadInteger(key, fallback); };
  TsSkinData& d = SkinData;
  d.Author = global.ReadString("AUTHOR", "");
  d.Description = global.ReadString("DESCRIPTION", "");
  d.BorderWidth = num("BORDERWIDTH", 4);
  d.TitleHeight = num("TITLEHEIGHT", 30);
  if (d.TitleHeight == 0) d.TitleHeight = 30;
  d.MaxHeight = num("MAXHEIGHT", 0);
  if (d.MaxHeight == 0) d.MaxHeight = d.TitleHeight;
  d.FormOffset = num("FORMOFFSET", SizingFrameWidth());
  d.CenterOffset = num("CENTEROFFSET", 0);
  d.BorderMode = num("BORDERMODE", 0);
  d.BrightMin = num("BRIGHTMIN", -50);
  d.BrightMax = num("BRIGHTMAX", 50);
  d.AlignOffset = num("ALIGNOFFSET", 0);
  d.AlignOffsetR = num("ALIGNOFFSETR", d.AlignOffset);
  d.AlignOffsetT = num("ALIGNOFFSETT", d.AlignOffset);
  d.AlignOffsetB = num("ALIGNOFFSETB", d.AlignOffset);
  d.BISpace = num("BISPACE", 0);
  d.BIVAlign = num("BIVALIGN", 0);
  d.BIRight = num("BIRIGHT", 0);
  d.BILeft = num("BILEFT", 0);
  d.BITop = num("BITOP", 0);
  d.BIKeepHUE = num("BIKEEPHUE", 0);
  const std::string aero = UpperName(global.ReadString("AEROBLUR", "0"));
  d.AeroBlur = aero == "TRUE" || ParseInt32(aero).value_or(0) != 0;
  d.BIConCloseGlow = num("BICONCLOSEGLOW", 0);
  d.BIConCloseGlowMargin = num("BICONCLOSEGLOWMARGIN", 0);
  d.BIConMaxGlow = num("BICONMAXGLOW", 0);
  d.BIConMaxGlowMargin = num("BICONMAXGLOWMARGIN", 0);
  d.BIConMinGlow = num("BICONMINGLOW", 0);
  d.BIConMinGlowMargin = num("BICONMINGLOWMARGIN", 0);
  d.Shadow1Color = num("SHADOW1COLOR", 0);
  d.Shadow1Offset = num("SHADOW1OFFSET", 0);
  d.Shadow1Blur = num("SHADOW1BLUR", -1);
  d.Shadow1Transparency = num("SHADOW1TRANSPARENCY", 0);
  d.ComboMargin = num("COMBOMARGIN", 2);
}

void TsSkinModel::ReadOuterEffects() {
  const TIniText& ini = source_->Options();
  for (int i = 0; i < 2; ++i) {
    OuterEffectRecord& effect = OuterEffects[static_cast<std::size_t>(i)];
    effect = ReadOuterEffect(ini, i);
    const char* maskKey = i == 0 ? "LO_MASK" : "SH_MASK";
    if (effect.Source == 0) continue;
    TsMaskData md;
    if (effect.Source == 1) {
      const std::string* value = ini.Find("GLOBALINFO", maskKey);
      if (value == nullptr) continue;
      const TImageValue v = ParseBorderColumns(*value);
      md.SourceRect = CutToPicture(v.Rect, MasterBitmap);
      md.MarginLeft = static_cast<std::int16_t>(v.Margins[0]);
      md.MarginTop = static_cast<std::int16_t>(v.Margins[1]);
      md.MarginRight = static_cast<std::int16_t>(v.Margins[2]);
      md.MarginBottom = static_cast<std::int16_t>(v.Margins[3]);
      md.FrameCount = static_cast<std::int16_t>(v.FrameCount);
      md.MaskKind = static_cast<std::int16_t>(v.MaskKind);
      md.PaintMode = static_cast<std::int16_t>(v.PaintMode);
      md.UniformMargin = static_cast<std::int16_t>(v.UniformMargin);
    } else {
      md = SynthesiseOuterEffect(effect);
    }
    md.Kind = itisaBorder;
    md.CornerKind = 0;
    md.SectionName = "GLOBALINFO";
    md.KeyName = maskKey;
    md.Owner = this;
    effect.ImageIndex = static_cast<int>(ma.size());
    ma.push_back(std::move(md));
  }
}

TsGeneralData TsSkinModel::ReadSection(const TSectionValues& values, std::size_t section) const {
  const TSectionReader r(values, section);
  TsGeneralData s;
  s.SectionName = source_->Options().Sections()[section].Name;
  s.ParentClass = r.ReadText(kParentClass, "");
  s.ReservedBoolean = r.ReadBool(kReservedBoolean, false);
  s.GiveOwnFont = r.ReadBool(kGiveOwnFont, false);
  s.Glow = r.ReadInt(kGlow, 0, 255);
  s.GlowMargin = r.ReadInt(kGlowMargin, 0, 255);
  s.States = r.ReadInt(kStates, 3, 255);
  s.OuterMode = r.ReadInt(kOuterMode, 2);
  s.OuterOpacity = r.ReadInt(kOutOpacity, 200, 255);
  s.OuterOffset = {r.ReadInt(kOutOffsL, 0, 255), r.ReadInt(kOutOffsT, 0, 255), r.ReadInt(kOutOffsR, 0, 255),
                   r.ReadInt(kOutOffsB, 0, 255)};
  TsGenState& normal = s.Props[0];
  normal = ReadState(r, false);
  if (normal.GradientData.size() < 2)
    normal.GradientPercent = 0;
  else
    normal.GradientArray = ParseGradientData(normal.GradientData);
  TsGenState& hot = s.Props[1];
  if (s.States < 2)
    CopyStateValues(hot, normal);
  else
    hot = ReadState(r, true);
  if (hot.GradientData.size() < 6)
    hot.GradientPercent = 0;
  else
    hot.GradientArray = ParseGradientData(hot.GradientData);
  return s;
}

void TsSkinModel::LoadAllGeneralData() {
  if (source_ == nullptr) return;
  ReadSkinData();
  ReadOuterEffects();
  gd.clear();
  const TSectionValues values(source_->Options(), SectionKeys());
  gd.reserve(values.SectionCount() + 1);
  for (std::size_t i = 0; i < values.SectionCount(); ++i) gd.push_back(ReadSection(values, i));
  loaded_ = true;
  MergeCommonSections(*this, common_);
  InitMaskIndexes();
  FillPalette();
  AddTransparentSection();
}

// The image keys of a section record; the last one is read only by
// sections of at least two states.
struct TSectionImage {
  TRecordNameIndex::TName Key;
  bool Texture;  // only texture records count
};
constexpr std::array<TSectionImage, 8> kSectionImages = {{{TRecordNameIndex::TName("BORDERSMASK"), false},
                                                          {TRecordNameIndex::TName("OUTERMASK"), false},
                                                          {TRecordNameIndex::TName("IMGTOPLEFT"), false},
                                                          {TRecordNameIndex::TName("IMGTOPRIGHT"), false},
                                                          {TRecordNameIndex::TName("IMGBTMLEFT"), false},
                                                          {TRecordNameIndex::TName("IMGBTMRIGHT"), false},
                                                          {TRecordNameIndex::TName("PATTERN"), true},
                                                          {TRecordNameIndex::TName("HOTPATTERN"), true}}};

// The same results as GetMaskIndex and GetTextureIndex for each key, found
// by one walk up the parent chain for all keys together, looking at the
// records of each section of the chain once.
void TsSkinModel::ResolveSectionImages(std::size_t i) {
  TsGeneralData& s = gd[i];
  const std::size_t count = s.States >= 2 ? kSectionImages.size() : kSectionImages.size() - 1;
  std::array<int, kSectionImages.size()> found;
  found.fill(-1);
  std::size_t pending = s.SectionName.empty() ? 0 : count;
  int level = static_cast<int>(i);
  std::string_view section = s.SectionName;
  RefreshNameIndex();
  for (std::size_t depth = 0; depth <= gd.size() && pending > 0; ++depth) {
    for (int r = sectionRecords_.First(ma, TName(section)); r >= 0 && pending > 0; r = sectionRecords_.Next(r)) {
      const TsMaskData& md = ma[static_cast<std::size_t>(r)];
      for (std::size_t k = 0; k < count; ++k) {
        const TSectionImage& image = kSectionImages[k];
        if (found[k] >= 0 || sectionRecords_.KeyHash(r) != image.Key.Hash || md.KeyName != image.Key.Text) continue;
        // Textures count only as textures; other images are not looked up under an empty section name.
        if (image.Texture ? md.Kind == itisaTexture : !section.empty()) {
          found[k] = r;
          --pending;
        }
        break;
      }
    }
    if (pending == 0 || !IsValidSkinIndex(level)) break;
    const int parent = GetSkinIndex(gd[static_cast<std::size_t>(level)].ParentClass);
    if (parent < 0 || parent == level) break;
    level = parent;
    section = gd[static_cast<std::size_t>(parent)].SectionName;
  }
  s.BorderMaskIndex = found[0];
  s.OuterMaskIndex = found[1];
  s.CornerImageIndex = {found[2], found[3], found[4], found[5]};
  s.TextureIndex = s.Props[0].TextureIndex = found[6];
  if (s.States >= 2) s.Props[1].TextureIndex = found[7];
}

void TsSkinModel::InitMaskIndexes() {
  for (std::size_t i = 0; i < gd.size(); ++i)
    if (!IsGlobalInfo(gd[i].SectionName)) ResolveSectionImages(i);
}

void TsSkinModel::FillPalette() {
  const TIniText::TSection& globalInfo = source_->Options().SectionOrEmpty("GLOBALINFO");
  const auto global = [&](const char* key, TColor fallback) {
    return static_cast<TColor>(globalInfo.ReadInteger(key, static_cast<std::int32_t>(fallback)));
  };
  TacPalette& p = Palette;
  p[pcMainColor] = global("COLOR", SysColor(COLOR_BTNFACE));
  p[pcLabelText] = global("FONTCOLOR", 0);
  p[pcWebText] = global("TCBOTTOM", 0xFF0000);
  p[pcWebTextHot] = global("TCTOP", 0x0000FF);
  p[pcBorder] = global("BORDERCOLOR", 0);

  const int edit = GetSkinIndex("EDIT");
  if (edit >= 0) {
    p[pcEditText] = ColorToRGB(gd[static_cast<std::size_t>(edit)].Props[0].FontColor[0]);
    p[pcEditBG] = ColorToRGB(gd[static_cast<std::size_t>(edit)].Props[0].Color);
  } else {
    p[pcEditText] = SysColor(COLOR_WINDOWTEXT);
    p[pcEditBG] = SysColor(COLOR_WINDOW);
  }

  const int selection = GetSkinIndex("SELECTION");
  if (selection >= 0) {
    const TsGeneralData& s = gd[static_cast<std::size_t>(selection)];
    const TsGenState& focused = s.Props[s.States >= 2 ? 1 : 0];
    p[pcSelectionBG] = s.Props[0].Color;
    p[pcSelectionText] = s.Props[0].FontColor[0];
    p[pcSelectionBG_Focused] = focused.Color;
    p[pcSelectionText_Focused] = focused.FontColor[0];
  } else {
    p[pcSelectionBG] = p[pcSelectionText] = p[pcSelectionBG_Focused] = p[pcSelectionText_Focused] = kNoContour;
  }
  const auto unset = [](TColor c) { return c == kNoContour || c == sFuchsia; };
  if (unset(p[pcSelectionText])) {
    const int menuItem = GetSkinIndex("MENUITEM");
    if (menuItem >= 0) {
      const TsGenState& hot = gd[static_cast<std::size_t>(menuItem)].Props[1];
      p[pcSelectionText] = hot.FontColor[0];
      p[pcSelectionBG] = p[pcSelectionBG_Focused] = hot.Color;
      p[pcSelectionText] =
          unset(p[pcSelectionText]) ? kSystemColorFlag | COLOR_HIGHLIGHTTEXT : ColorToRGB(p[pcSelectionText]);
      p[pcSelectionText_Focused] = p[pcSelectionText];
    } else {
      p[pcSelectionText] = p[pcSelectionText_Focused] = SysColor(COLOR_HIGHLIGHTTEXT);
      p[pcSelectionBG] = p[pcSelectionBG_Focused] = SysColor(COLOR_HIGHLIGHT);
    }
  }

  p[pcEditText_Ok] = global("EDITTEXT_OK", 0x008000);
  p[pcEditText_Warning] = global("EDITTEXT_WARN", 0x008484);
  p[pcEditText_Alert] = global("EDITTEXT_ALERT", 0x0000FF);
  // The caution and bypassed entries read the alert keys, with their own defaults.
  p[pcEditText_Caution] = global("EDITTEXT_ALERT", 0x8597D9);
  p[pcEditText_Bypassed] = global("EDITTEXT_ALERT", 0x4AB28F);
  p[pcEditBG_Ok] = global("EDITBG_OK", 0x6CC2A5);
  p[pcEditBG_Warning] = global("EDITBG_WARN", 0x40FFFF);
  p[pcEditBG_Alert] = global("EDITBG_ALERT", 0x95A7E9);
  p[pcEditBG_Caution] = global("EDITBG_ALERT", 0x8597D9);
  p[pcEditBG_Bypassed] = global("EDITBG_ALERT", 0x4AB28F);
  p[pcEditText_Highlight1] = global("EDITTEXT_H1", 0);
  p[pcEditText_Highlight2] = global("EDITTEXT_H2", 0);
  p[pcEditText_Highlight3] = global("EDITTEXT_H3", 0);
  p[pcEditText_Inverted] = global("EDITTEXT_INV", p[pcEditBG]);
  p[pcEditBG_Inverted] = global("EDITBG_INV", p[pcEditText]);
  p[pcEditBG_OddRow] = global("EDITBG_ODD", p[pcEditBG]);
  p[pcEditBG_EvenRow] = global("EDITBG_EVEN", MixColors(p[pcEditText], p[pcEditBG], 0.05));
}

void TsSkinModel::AddTransparentSection() {
  if (GetSkinIndex("TRANSPARENT") >= 0) return;
  TsGeneralData s;
  s.SectionName = "TRANSPARENT";
  s.States = 1;
  s.Glow = s.GlowMargin = 0;
  s.OuterMode = 0;
  s.OuterOpacity = 0;
  for (TsGenState& st : s.Props) {
    st = TsGenState{};
    st.Color = 0xFFFFFF;
    st.FontColor = {Palette[pcLabelText], kNoContour, kNoContour, kNoContour, kNoContour};
    st.Transparency = 100;
    st.GlowColor = 0;
    st.GradientData.clear();
  }
  gd.push_back(std::move(s));
}
