#pragma once
// The text a link window shows: its markup without the anchor tags.
#include <string>

// Removes every opening anchor tag ("<a", any letter case, up to its ">",
// attributes and all) and every closing one ("</a>", any letter case).
// Other text, tags that merely begin with "a" ("<abbr>") and an unclosed "<"
// stay as they are.
std::wstring StripAnchorTags(const std::wstring& Text);
