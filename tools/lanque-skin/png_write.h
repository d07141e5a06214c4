#pragma once
// Writing a 32-bit bitmap as a PNG file with its alpha channel (libpng).
#include <filesystem>

#include "skin/paint/bitmap32.h"

// Throws std::runtime_error when the file cannot be written.
void WritePng32(const TBitmap32& bmp, const std::filesystem::path& file);
