// Looks at and drives the running client from outside, as a user would:
//   window_probe wait CAPTION SECONDS      waits for a visible top-level window with that
//                                         caption; prints "zoomed=0|1 minimizebox=0|1"
//   window_probe signin USER PASSWORD [remember]
//                                         types into the login window's two fields once
//                                         its sign-in button is enabled, ticks both check
//                                         boxes when asked to remember, and clicks it
// Exit code 0 on success, 1 when the window or control did not turn up in time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kLoginCaption[] = L"蓝鹊商务版登陆";

HWND WaitForWindow(const std::wstring& caption, DWORD seconds) {
  const ULONGLONG deadline = GetTickCount64() + seconds * 1000ull;
  do {
    HWND window = FindWindowW(L"LanqueWindow", caption.c_str());
    if (window && IsWindowVisible(window)) return window;
    Sleep(100);
  } while (GetTickCount64() < deadline);
  return nullptr;
}

// The visible children of a class, ordered top to bottom; edits only when
// the user can type into them (browsers show pages in read-only ones).
std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
  struct Search {
    const wchar_t* ClassName;
    std::vector<std::pair<LONG, HWND>> Found;
  } search{className, {}};
  EnumChildWindows(parent, [](HWND child, LPARAM data) -> BOOL {
    auto* s = reinterpret_cast<Search*>(data);
    wchar_t name[64];
    GetClassNameW(child, name, 64);
    RECT rect;
    GetWindowRect(child, &rect);
    const bool readOnly = GetWindowLongPtrW(child, GWL_STYLE) & ES_READONLY && lstrcmpiW(name, L"Edit") == 0;
    if (lstrcmpiW(name, s->ClassName) == 0 && IsWindowVisible(child) && !readOnly)
      s->Found.emplace_back(rect.top, child);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&search));
  std::sort(search.Found.begin(), search.Found.end());
  std::vector<HWND> result;
  for (const auto& entry : search.Found) result.push_back(entry.second);
  return result;
}

int Wait(const std::wstring& caption, DWORD seconds) {
  HWND window = WaitForWindow(caption, seconds);
  if (!window) return 1;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  std::printf("zoomed=%d minimizebox=%d\n", IsZoomed(window) ? 1 : 0, (style & WS_MINIMIZEBOX) ? 1 : 0);
  return 0;
}

int SignIn(const std::wstring& user, const std::wstring& password, bool remember) {
  HWND window = WaitForWindow(kLoginCaption, 20);
  if (!window) return 1;
  std::vector<HWND> buttons;
  for (int i = 0; i < 200; ++i) {
    buttons = ChildrenOfClass(window, L"Button");
    // The sign-in button is the lowest one; it is enabled once the service has answered.
    if (!buttons.empty() && IsWindowEnabled(buttons.back())) break;
    Sleep(100);
  }
  const std::vector<HWND> edits = ChildrenOfClass(window, L"Edit");
  if (edits.size() < 2 || buttons.empty() || !IsWindowEnabled(buttons.back())) return 1;
  SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(user.c_str()));
  SendMessageW(edits[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(password.c_str()));
  if (remember) {
    for (size_t i = 0; i + 1 < buttons.size(); ++i)  // "保存号码" and "自动登陆"
      if (SendMessageW(buttons[i], BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(buttons[i], BM_CLICK, 0, 0);
  }
  PostMessageW(buttons.back(), BM_CLICK, 0, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"wait" && argc == 4) return Wait(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"signin" && (argc == 4 || argc == 5))
    return SignIn(argv[2], argv[3], argc == 5 && std::wstring(argv[4]) == L"remember");
  std::fputs("usage: window_probe wait CAPTION SECONDS | signin USER PASSWORD [remember]\n", stderr);
  return 2;
}
