#pragma once
// How a texture covers a rectangle: the fill mode a texture record's
// PaintMode value stands for.
#include <cstdint>

enum TacFillMode : std::uint8_t {
  fmTiled = 0,             // tiled in both directions from the rectangle's corner
  fmStretched = 1,         // stretched over the whole rectangle
  fmTiledVert = 2,         // one column at the left, tiled downward
  fmTiledHorz = 3,         // one row at the top, tiled across
  fmStretchVert = 4,       // tiled across, each column stretched to the height
  fmStretchHorz = 5,       // tiled downward, each row stretched to the width
  fmTileHorBtm = 6,        // one row at the bottom, tiled across
  fmTileVertRight = 7,     // one column at the right, tiled downward
  fmStretchHorBtm = 8,     // one row at the bottom, stretched to the width
  fmStretchVertRight = 9,  // one column at the right, stretched to the height
  fmDisTiled = 10,         // tiled in both directions from the parent cache's corner
};

// Values beyond the known modes tile.
inline TacFillMode acFillModes(int paintMode) {
  return paintMode >= fmTiled && paintMode <= fmDisTiled ? static_cast<TacFillMode>(paintMode) : fmTiled;
}
