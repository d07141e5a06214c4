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
