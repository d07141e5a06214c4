#pragma once
// Text painted into 32-bit bitmaps without destroying their alpha: the
// platform draws the text black on white into a scratch bitmap, and each
// scratch pixel's channels are the coverage by which the text colour is mixed
// into the target. Contours, glow and the shortening of texts that do not fit.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_model.h"
#include "skin/paint/items/paint_item.h"

// The platform's text drawing with one font, in the system code page.
class TsTextRasteriser {
 public:
  virtual ~TsTextRasteriser() = default;
  // Draws the text in black, background untouched, into rect of bmp as the
  // platform's DrawText does with the format flags.
  virtual void DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  // True for the first byte of a two-byte character.
  virtual bool IsLeadByte(unsigned char c) const = 0;
  // Underlines the text drawn from now on (or stops).
  virtual void SetUnderline(bool underline) = 0;
};

// The main colour and the four one-pixel contours (left, top, right,
// bottom; kNoContour for none) of a caption.
struct TsTextColors {
  TColor Main = 0;
  std::array<TColor, 4> Contour{kNoContour, kNoContour, kNoContour, kNoContour};
};

// The text colours of a section for a state (1 when hot and the section has states).
TsTextColors SectionTextColors(const TsSkinModel& skin, int skinIndex, bool hot);

// One drawing of the text in the colour into rect shifted by the offset:
// every scratch pixel that is not white mixes the colour into the target by
// its channels, ((t - c) * m + c * 256) >> 8, and makes the target opaque.
void DrawTextCoverage(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format, TColor color,
                      TPoint shift, TsTextRasteriser& raster);

// Nothing for empty text or rect. With a valid section its colours (contours
// only when enabled); without one the plain colour.
void WriteText32(TBitmap32& bmp, std::string_view text, bool enabled, unsigned format, const TsSkinModel* skin,
                 bool hot, int skinIndex, const TRect& rect, TColor plainColor, TsTextRasteriser& raster);
// The same with colours given.
void WriteTextColors(TBitmap32& bmp, std::string_view text, bool enabled, unsigned format, const TsTextColors& colors,
                     const TRect& rect, TsTextRasteriser& raster);

// An 8-bit grey picture, row by row.
struct TGrey8 {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Bits;
  std::uint8_t* Row(int y) { return Bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Width); }
};

// Gaussian blur of radius r (rows, then columns); nothing for r <= 0.
void Blur8(TGrey8& grey, double radius);

// The blurred text behind a glow, kept by its owner between paints and made
// again when the text, size, contour bits or format change.
struct TacGlowMask {
  TGrey8 Mask;
  std::string Text;
  int Size = -1;
  unsigned Contour = 0;
  unsigned Format = 0;
};

// The glow of the colour behind the text in rect; contour bits 1 left, 2 top,
// 4 right, 8 bottom widen the text by a pixel that way.
void acDrawGlowForText(TBitmap32& bmp, std::string_view text, const TRect& rect, TacGlowMask& glow, TColor color,
                       int size, unsigned contour, unsigned format, TsTextRasteriser& raster);

// The text shortened from its end, whole characters at a time, with "..."
// appended so that it fits into width; unchanged when it fits; empty for a
// width of 0 or less.
std::string CutText(std::string_view text, int width, TsTextRasteriser& raster);

// What a skinned control's caption takes from its skin data.
struct TsCaptionSkin {
  const TsSkinModel* Skin = nullptr;  // nullptr: the control is not skinned
  int SkinIndex = -1;                 // the control's own section
  int FontIndex = -1;                 // the section of its text colours; -1: its own
  bool CustomFont = false;
  TsItemColors Colors;                // the control's colour changes
  TacGlowMask* Glow = nullptr;        // the glow mask kept by a control with a cache bitmap
};

// True when a control of the section, sitting on a parent, takes its text
// colours from the parent's font section (GetFontIndex) in this state: the
// six shared sections ("MENUITEM" .. "WEBBUTTON") with a transparent state.
bool UsesParentFontSection(const TsSkinModel& skin, int skinIndex, int state);

// A colour of the skin passed through a control's colour changes: tone, hue,
// saturation (x 2.55, truncated), then as RGB.
TColor ChangedTextColor(TColor color, const TsItemColors& changes);

// A control's caption in rect of its canvas: skinned with the font section's
// colours (glow, contours when enabled, underlined when hot on "WEBBUTTON");
// otherwise in fontColor, or embossed in the button highlight and shadow
// colours when disabled.
void WriteTextEx(TBitmap32& canvas, std::string_view text, bool enabled, bool hot, const TsCaptionSkin& skin,
                 unsigned format, const TRect& rect, TColor fontColor, TsTextRasteriser& raster);
