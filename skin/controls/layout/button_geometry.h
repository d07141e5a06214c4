#pragma once
// The geometry of a push button with an image-list image: the caption's
// measuring rectangle, its rectangle and the image's, for the plain, command
// link and split styles, and the image shown in each state.
#include <string_view>

#include "skin/controls/layout/button_kinds.h"
#include "skin/paint/text_measure.h"
#include "skin/paint/geometry.h"

// The band of a split button that opens its menu, at its right edge.
inline constexpr int kSplitBandWidth = 16;
// The image of a command link without one of its own.
inline constexpr int kCommandLinkImageSize = 32;

struct TsButtonGeometryInput {
  int Width = 0;
  int Height = 0;
  TButtonStyle Style = bsPushButton;
  int ContentMargin = 6;
  TImageMargins ImageMargins;
  TImageAlignment ImageAlignment = iaLeft;
  bool GlyphExist = false;  // images set and ImageIndex within the list
  TSize ImageSize;          // the image list's image size
  bool WordWrap = true;
  bool ShiftContent = false;  // pressed, and unskinned or shifting on click
};

// The image of a command link with its margins: the list's size, or 32 x 32
// without an image.
TSize CommandLinkImageSize(const TsButtonGeometryInput& in);

// The flags and starting rectangle the caption is measured with.
unsigned ButtonMeasureFormat(const TsButtonGeometryInput& in);
TRect ButtonMeasureRect(const TsButtonGeometryInput& in);

// The caption's size: 0 x 0 for an empty caption, else as measured. A command
// link's caller measures with the bold, larger font.
TSize ButtonCaptionSize(const TsButtonGeometryInput& in, std::string_view caption, TsTextMeasurer& measurer);

// The caption's rectangle for a caption of textSize.
TRect ButtonCaptionRect(const TsButtonGeometryInput& in, TSize textSize);

// The image's rectangle; empty at (0, 0) when there is no image.
TRect ButtonGlyphRect(const TsButtonGeometryInput& in);

struct TsButtonImageIndexes {
  int ImageIndex = -1;
  int HotImageIndex = -1;
  int PressedImageIndex = -1;
  int SelectedImageIndex = -1;
  int DisabledImageIndex = -1;
};

struct TsButtonImageState {
  bool Enabled = true;
  bool Pressed = false;
  bool Focused = false;
  int State = 0;  // 0 normal, 1 hot, 2 pressed, 3 default
};

// The image for the state; a chosen index outside the list of count images
// falls back to ImageIndex.
int ButtonGlyphIndex(const TsButtonImageIndexes& indexes, const TsButtonImageState& state, int count);
