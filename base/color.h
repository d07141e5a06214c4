#pragma once
// The colour value shared by the framework and the skin painters.
//
// TColor is 0x00BBGGRR; a value with the top bit set refers to a system
// colour (index in the low byte) and goes through ColorToRGB before any
// arithmetic.
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;  // no colour; as a key: skip nothing

// System-colour references (top bit set) become RGB; other values pass unchanged.
TColor ColorToRGB(TColor color);
