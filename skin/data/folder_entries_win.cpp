#include <windows.h>

#include <memory>
#include <type_traits>

#include "skin/data/folder_entries.h"
#include "skin/data/utf8_paths.h"

namespace {

struct FindClose_ {
  void operator()(HANDLE find) const { FindClose(find); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindClose_>;

// The search pattern of a folder; a long one in the extended form, which the
// system takes beyond MAX_PATH.
std::wstring SearchPattern(const std::filesystem::path& folder) {
  std::wstring text = folder.lexically_normal().make_preferred().native();
  while (text.size() > 3 && text.back() == L'\\') text.pop_back();
  if (text.size() + 2 >= MAX_PATH && !text.starts_with(L"\\\\?\\")) {
    if (text.starts_with(L"\\\\")) text = L"\\\\?\\UNC\\" + text.substr(2);
    else if (text.size() > 1 && text[1] == L':') text = L"\\\\?\\" + text;
  }
  if (text.back() != L'\\') text += L'\\';
  return text + L'*';
}

}  // namespace

std::vector<TFolderEntry> FolderEntries(const std::filesystem::path& folder) {
  std::vector<TFolderEntry> entries;
  WIN32_FIND_DATAW found{};
  FindHandle find(FindFirstFileExW(SearchPattern(folder).c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, 0));
  if (find.get() == INVALID_HANDLE_VALUE) {
    find.release();
    return entries;
  }
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({Utf8OfPath(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find.get(), &found));
  return entries;
}
