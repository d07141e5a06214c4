#pragma once
// The shadows around forms with extended borders: an active and an inactive
// picture and the four margins by which they reach beyond the form.
#include <array>

#include "skin/data/skin_model.h"

struct TacShadowImages {
  TBitmap32 Active;
  TBitmap32 Inactive;
  std::array<int, 4> Margins{};  // left, top, right, bottom
};

// How the skin sizes the shadow of its own shadow image.
struct TacShadowSizing {
  int Offset = 0;        // taken off each of the image's margins
  bool UseSize = false;  // the skin gives one size for all four margins
  int Size = 0;
};

inline constexpr int kBuiltInShadowMargin = 9;

// The built-in pictures, decoded once with white transparent pixels made all
// zero; empty bitmaps if they cannot be decoded.
const TBitmap32& BuiltInShadow(bool active);

// Rebuilds the shadows: none (margins 0) unless enabled; from the skin's
// "EXBORDER" image when it has one (its first frame the active picture, its
// second, when there is one, the inactive picture), else from the built-in
// pictures. Pictures of skins older than 7.6 have white transparent pixels
// made all zero.
void CheckShadows(TsSkinModel& model, bool enabled, const TacShadowSizing& sizing, TacShadowImages& shadows);
