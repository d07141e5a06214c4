#pragma once
// The two outer effects of a skin ("LO_" lowered, "SH_" shadow) and the
// built-in 19 x 19 blur picture their synthesised images carry.
#include <array>
#include <cstdint>

#include "skin/data/ini_text.h"
#include "skin/data/skin_records.h"

inline constexpr int kBlurSize = 19;
// Grey levels of the blur picture, row after row.
extern const std::array<std::array<std::uint8_t, kBlurSize>, kBlurSize> kBlurPicture;

// The values of one effect from "GLOBALINFO" (index 0 "LO_", 1 "SH_"); the
// image index is left -1.
OuterEffectRecord ReadOuterEffect(const TIniText& ini, int index);

// The image of an effect of a source other than 0 and 1: the effect's four
// colours over a w x w band and the blur picture below it (w = 19). Width
// fields still -1 become w / 2.
TsMaskData SynthesiseOuterEffect(OuterEffectRecord& effect);
