// Text conversions of the page engine: pages arrive in their own character
// set and are handed to the HTML parser as UTF-8.
#pragma once

#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// The code page named by a charset label (e.g. "gbk", "utf-8"), 0 if unknown.
unsigned CodePageOfCharset(std::string_view label);

// The charset label of a Content-Type header or of a page's meta tag
// ("<meta charset=...>" or http-equiv content "...; charset=..."), empty if none.
std::string CharsetOfContentType(std::string_view contentType);
std::string CharsetOfMetaTag(std::string_view page);

// The page's bytes as UTF-8: the header's charset first, then a byte-order
// mark, then the meta tag; without any, UTF-8 if the bytes are valid UTF-8,
// else the system code page.
std::string PageBytesToUtf8(std::string_view bytes, std::string_view contentType);
