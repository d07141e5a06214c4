#pragma once
// The records of the skin model: sections, their two state records, image
// records cut from the master bitmap or loaded from files, large JPEG
// patterns, the skin-wide values of "GLOBALINFO", the outer effects and the
// pre-resolved constant indexes. Everything is addressed by index; -1 means
// "none".
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

class TsSkinModel;

inline constexpr TColor kNoContour = 0xFFFFFFFF;  // -1: no colour given

enum TGradientTypes : std::uint8_t { gtTopBottom = 0, gtLeftRight = 1, gtAsBorder = 2 };

struct TsGradPie {
  TColor Color1 = 0;
  TColor Color2 = 0;
  std::uint8_t Percent = 0;  // 0..100
  TGradientTypes Mode1 = gtTopBottom;
  friend bool operator==(const TsGradPie&, const TsGradPie&) = default;
};
using TsGradArray = std::vector<TsGradPie>;

struct TsGenState {
  TColor Color = 0xFFFFFF;
  std::array<TColor, 5> FontColor{0, kNoContour, kNoContour, kNoContour, kNoContour};  // text, contour L/T/R/B
  int GradientPercent = 0;
  std::string GradientData = " ";
  TsGradArray GradientArray;
  int ImagePercent = 0;
  int TextureIndex = -1;
  TColor GlowColor = 0xFFFFFF;
  int GlowSize = 0;
  int Transparency = 0;
};

struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;
  int States = 3;
  std::array<TsGenState, 2> Props;  // normal, hot
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  int Glow = 0;
  int GlowMargin = 0;
  int BorderMaskIndex = -1;
  std::array<int, 4> CornerImageIndex{-1, -1, -1, -1};  // top-left, top-right, bottom-left, bottom-right
  int TextureIndex = -1;
  int OuterMode = 2;
  std::array<int, 4> OuterOffset{0, 0, 0, 0};  // left, top, right, bottom
  int OuterMaskIndex = -1;
  int OuterOpacity = 200;
};

enum TacImgType : std::uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3, itisaPngGlyph = 4 };

struct TsMaskData {
  TBitmap32 Image;  // empty: the picture lies in the master bitmap
  std::string SectionName;
  std::string KeyName;
  TRect SourceRect;
  std::int16_t FrameCount = 0;
  std::int16_t MaskKind = 0;
  std::int16_t UniformMargin = 0;
  std::int16_t PaintMode = 0;
  TacImgType Kind = itisaBorder;
  const TsSkinModel* Owner = nullptr;
  std::int16_t MarginLeft = 0;
  std::int16_t MarginTop = 0;
  std::int16_t MarginRight = 0;
  std::int16_t MarginBottom = 0;
  std::int32_t CornerKind = 0;  // 0 opaque corners, 1 key-colour holes, 2 the large button
};

// The part of a rectangle that lies inside a picture; an empty rectangle
// (all zero) when nothing does, so no size derived from it is negative.
inline TRect CutToPicture(const TRect& r, const TBitmap32& picture) {
  const TRect cut = ClipToSize(r, picture.Width(), picture.Height());
  return cut.IsEmpty() ? TRect{} : cut;
}

// Width of one frame and height of one band of an image record.
int WidthOfImage(const TsMaskData& md);
int HeightOfImage(const TsMaskData& md);

struct TsPatternData {
  TBitmap32 Image;  // the decoded JPEG
  std::string SectionName;
  std::string KeyName;
};

// One outer effect: element 0 the lowered effect ("LO_"), 1 the shadow ("SH_").
struct OuterEffectRecord {
  std::array<int, 4> Color{};   // left, top, right, bottom
  std::array<int, 4> Offset{};
  std::array<int, 4> Width{};
  int Opacity = 0;
  int Source = 0;
  int ImageIndex = -1;
};
using TacOutEffArray = std::array<OuterEffectRecord, 2>;

// The skin-wide values of "GLOBALINFO".
struct TsSkinData {
  std::string MasterBitmap;
  double Version = 0;
  std::string Author;
  std::string Description;
  int BorderWidth = 4;
  int TitleHeight = 30;
  int MaxHeight = 0;
  int FormOffset = 0;
  int CenterOffset = 0;
  int BorderMode = 0;
  int BrightMin = -50;
  int BrightMax = 50;
  int AlignOffset = 0;
  int AlignOffsetR = 0;
  int AlignOffsetT = 0;
  int AlignOffsetB = 0;
  int BISpace = 0;
  int BIVAlign = 0;
  int BIRight = 0;
  int BILeft = 0;
  int BITop = 0;
  int BIKeepHUE = 0;
  bool AeroBlur = false;
  int BIConCloseGlow = 0;
  int BIConCloseGlowMargin = 0;
  int BIConMaxGlow = 0;
  int BIConMaxGlowMargin = 0;
  int BIConMinGlow = 0;
  int BIConMinGlowMargin = 0;
  int Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  int ComboMargin = 2;
};

enum TacPaletteColors {
  pcMainColor, pcLabelText, pcWebText, pcWebTextHot, pcEditText, pcEditBG, pcSelectionBG, pcSelectionText,
  pcSelectionBG_Focused, pcSelectionText_Focused, pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow,
  pcEditBG_EvenRow, pcEditText_Ok, pcEditText_Warning, pcEditText_Alert, pcEditText_Caution, pcEditText_Bypassed,
  pcEditBG_Ok, pcEditBG_Warning, pcEditBG_Alert, pcEditBG_Caution, pcEditBG_Bypassed, pcEditText_Highlight1,
  pcEditText_Highlight2, pcEditText_Highlight3, pcBorder,
  pcCount
};
using TacPalette = std::array<TColor, pcCount>;

struct TacConstElementData {
  int SkinIndex = -1;
  int BorderMaskIndex = -1;
  int GlyphMaskIndex = -1;
  std::array<int, 2> TextureIndex{-1, -1};  // "PATTERN", "HOTPATTERN"
  std::string SectionName;
};

enum TacSection { ssMenuItem, ssToolButton, ssCheckBox, ssTransparent, ssGroupBox, ssWebButton, ssSectionCount };

struct TacSkinConstants {
  int IndexGlobalInfo = -1;
  int ExBorder = -1;
  std::array<TacConstElementData, 4> Tabs;         // left, top, right, bottom
  std::array<TacConstElementData, 4> ScrollBtns;   // left, top, right, bottom
  std::array<TacConstElementData, 4> ScrollBars;   // 1H, 1V, 2H, 2V
  std::array<TacConstElementData, 2> ScrollSliders;  // H, V
  TacConstElementData ComboBtn;
  // "BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP",
  // "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP"
  std::array<int, 11> TitleGlyphs{};
  // "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
  // "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED"
  std::array<int, 9> CheckGlyphs{};
  std::array<int, 3> Grips{};  // "GRIPIMAGE", "GRIPHORZ", "GRIPVERT"
  std::array<int, ssSectionCount> Sections{};
};
