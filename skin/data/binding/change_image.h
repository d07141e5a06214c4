#pragma once
// Replacing one picture of a loaded skin by an image file.
#include <filesystem>
#include <string>

#include "skin/data/skin_model.h"

// Section and key compare in upper case. A "PATTERN" or "HOTPATTERN" key
// with a picture that is not a bitmap file replaces (or adds) the section's
// pattern and drops image records of the same names; any other picture
// becomes the own bitmap of the image record of those names, or a new
// single-frame record. False when no skin is loaded or the file gives no picture.
bool ChangeImageInSkin(TsSkinModel& model, const std::string& section, const std::string& key,
                       const std::filesystem::path& file);
