#pragma once
// The gallery's command line:
//   --skins DIR        the skin directory whose folder and packed skins the chooser lists
//   --skin NAME        the skin to start with (default: the internal skin)
//   --hue DEGREES      --saturation N  --brightness N   the colour changes (-100..100 for the last two)
//   --unskinned        start with skinning removed
#include <string>
#include <vector>

struct TGalleryOptions {
  std::wstring SkinDirectory;  // as given; empty: none
  std::wstring SkinName;       // empty: the internal skin
  int Hue = 0;
  int Saturation = 0;
  int Brightness = 0;
  bool Skinned = true;
};

// Unknown switches and values that are no numbers are left out.
TGalleryOptions ParseGalleryArguments(const std::vector<std::wstring>& Args);
