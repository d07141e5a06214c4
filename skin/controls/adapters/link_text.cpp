#include "skin/controls/adapters/link_text.h"

#include <cwctype>

namespace {

// The end (one past '>') of an anchor tag starting at at, or npos.
size_t AnchorTagEnd(const std::wstring& text, size_t at) {
  size_t i = at + 1;
  if (i < text.size() && text[i] == L'/') ++i;
  if (i >= text.size() || std::towlower(text[i]) != L'a') return std::wstring::npos;
  ++i;
  if (i >= text.size()) return std::wstring::npos;
  const bool closing = text[at + 1] == L'/';
  if (text[i] != L'>' && (closing || !std::iswspace(text[i]))) return std::wstring::npos;
  const size_t end = text.find(L'>', i);
  return end == std::wstring::npos ? end : end + 1;
}

}  // namespace

std::wstring StripAnchorTags(const std::wstring& Text) {
  std::wstring out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    const size_t end = Text[i] == L'<' ? AnchorTagEnd(Text, i) : std::wstring::npos;
    if (end == std::wstring::npos) {
      out += Text[i++];
    } else {
      i = end;
    }
  }
  return out;
}
