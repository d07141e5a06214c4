#pragma once
// The two form shadow pictures built into the program ("acSHDA" for active
// forms, "acSHDI" for inactive ones) as PNG bytes, drawn by
// shadows/shadow_pictures.py and embedded at build time.
#include <cstdint>
#include <span>

std::span<const std::uint8_t> ShadowPicturePng(bool active);
