#pragma once
// The image values of the options text: which form a value has and what it
// says, before any picture is looked at.
//   ^ border   "^LLLL^TTTT^RRRR^BBBB^mmmm^mmmm^mmmm^mmmm^F^K^P^U" (fixed columns)
//   @ glyph    "^"-style rectangle, then frame count and mask kind
//   ~ texture  "^"-style rectangle, then a two-digit paint mode and a mask kind
//   ! file     "!NAME.BMP!frames!maskkind!kind[!l!t!r!b[!paintmode]]"
//   plain      a value naming a ".BMP" file, without '#'
//   # master   "#NAME (l,t,r,b) (frames,maskkind[,margin[,paintmode]])"
#include <array>
#include <string>
#include <string_view>

#include "skin/data/skin_records.h"

enum class TImageForm { None, Border, Glyph, Texture, File, PlainFile, Master };

struct TImageValue {
  TImageForm Form = TImageForm::None;
  std::string FileName;  // File and PlainFile
  TRect Rect;            // the forms cut from the master bitmap
  int FrameCount = 0;
  int MaskKind = 0;
  int UniformMargin = 0;
  int PaintMode = 0;
  TacImgType Kind = itisaBorder;
  std::array<int, 4> Margins{};  // left, top, right, bottom
  bool MarginsGiven = false;     // the '!' form named its margins
};

TImageValue ParseImageValue(std::string_view value);

bool ContainsIgnoringCase(std::string_view text, std::string_view part);
// A value naming a JPEG picture (".JPG" or ".JPEG" in any letter case).
bool IsPatternValue(std::string_view value);
// The '^' column layout alone (the outer-effect image keys).
TImageValue ParseBorderColumns(std::string_view value);
