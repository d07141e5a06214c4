#pragma once
// The program's own skin, packed at build time from skins/internal: the
// container the login window stores ("Options.dat", "ButtonHuge.bmp",
// "Master.bmp").
#include <cstdint>
#include <span>

std::span<const std::uint8_t> InternalSkinPackage();
