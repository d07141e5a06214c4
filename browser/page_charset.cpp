#include "browser/page_charset.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The value after "charset=" in text (already lower case), up to a delimiter.
std::string CharsetAfterKey(std::string_view lower) {
  size_t at = lower.find("charset");
  if (at == std::string_view::npos) return {};
  at += 7;
  while (at < lower.size() && lower[at] == ' ') ++at;
  if (at >= lower.size() || lower[at] != '=') return {};
  ++at;
  while (at < lower.size() && (lower[at] == ' ' || lower[at] == '"' || lower[at] == '\''))
    ++at;
  size_t end = at;
  while (end < lower.size() && (std::isalnum(static_cast<unsigned char>(lower[end])) ||
                                lower[end] == '-' || lower[end] == '_' || lower[end] == ':' ||
                                lower[end] == '.'))
    ++end;
  return std::string(lower.substr(at, end - at));
}

std::wstring ToWide(std::string_view bytes, unsigned codePage) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                   nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                      length);
  return wide;
}

bool IsValidUtf8(std::string_view bytes) {
  return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                              static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

// Invalid sequences become U+FFFD, so the parser never meets broken UTF-8.
std::string FromCodePage(std::string_view bytes, unsigned codePage) {
  if (codePage == CP_UTF8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (codePage == 1200) {  // UTF-16 little-endian
    std::wstring wide(bytes.size() / 2, L'\0');
    std::copy_n(bytes.data(), wide.size() * 2, reinterpret_cast<char*>(wide.data()));
    return WideToUtf8(wide);
  }
  return WideToUtf8(ToWide(bytes, codePage));
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(utf8, CP_UTF8); }

std::string WideToUtf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                      length, nullptr, nullptr);
  return utf8;
}

unsigned CodePageOfCharset(std::string_view label) {
  struct Known {
    const char* label;
    unsigned codePage;
  };
  static const Known known[] = {
      {"utf-8", CP_UTF8},       {"utf8", CP_UTF8},        {"gbk", 936},
      {"gb2312", 936},          {"x-gbk", 936},           {"cp936", 936},
      {"gb18030", 54936},       {"big5", 950},            {"shift_jis", 932},
      {"euc-kr", 949},          {"iso-8859-1", 1252},     {"latin1", 1252},
      {"windows-1252", 1252},   {"us-ascii", 1252},       {"utf-16", 1200},
      {"utf-16le", 1200},
  };
  std::string lower = Lower(label);
  for (const Known& entry : known)
    if (lower == entry.label) return entry.codePage;
  return 0;
}

std::string CharsetOfContentType(std::string_view contentType) {
  return CharsetAfterKey(Lower(contentType));
}

std::string CharsetOfMetaTag(std::string_view page) {
  std::string lower = Lower(page.substr(0, std::min<size_t>(page.size(), 4096)));
  for (size_t at = lower.find("<meta"); at != std::string::npos;
       at = lower.find("<meta", at + 5)) {
    size_t end = lower.find('>', at);
    if (end == std::string::npos) break;
    std::string charset = CharsetAfterKey(std::string_view(lower).substr(at, end - at));
    if (!charset.empty()) return charset;
  }
  return {};
}

std::string PageBytesToUtf8(std::string_view bytes, std::string_view contentType) {
  if (unsigned codePage = CodePageOfCharset(CharsetOfContentType(contentType)))
    return FromCodePage(bytes, codePage);
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return FromCodePage(bytes, CP_UTF8);
  if (bytes.substr(0, 2) == "\xFF\xFE") return FromCodePage(bytes.substr(2), 1200);
  if (unsigned codePage = CodePageOfCharset(CharsetOfMetaTag(bytes)))
    return FromCodePage(bytes, codePage);
  return FromCodePage(bytes, IsValidUtf8(bytes) ? CP_UTF8 : CP_ACP);
}
