// Looks at and drives the running client from outside, as a user would:
//   window_probe wait CAPTION SECONDS      waits for a visible top-level window with that
//                                         caption; prints "zoomed=0|1 minimizebox=0|1"
//   window_probe signin USER PASSWORD [number|auto|both]
//                                         types into the login window's two fields once
//                                         its sign-in button is enabled, ticks "保存号码",
//                                         "自动登陆" or both as asked, and clicks it
//   window_probe dialog CAPTION SECONDS ok|yes|no
//                                         waits for a message box with that caption,
//                                         prints its text and presses the button
//   window_probe button                   prints "enabled=0|1" for the sign-in button
//   window_probe rect CAPTION SECONDS      prints the window's screen rectangle "x y width height"
//   window_probe boxrect CAPTION SECONDS   prints the screen rectangle of a message box
//   window_probe close SECONDS            asks the login window to close, as its close button does
//   window_probe control CLASS INDEX      prints the screen rectangle of a login window
//                                         control: the INDEXth visible child of the class
//                                         ("Button" or "Edit"), top to bottom, left to right
//   window_probe traymenu SECONDS         opens the notification icon's menu as a right click
//                                         on the icon does (at the mouse pointer) and prints
//                                         the open menu's screen rectangle "x y width height"
//   window_probe menu SECONDS             prints the screen rectangle of the popup menu
//                                         shown now (waiting for one at most SECONDS)
//   window_probe shortcut FILE            prints what a shortcut (.lnk) starts, as the shell
//                                         reads it: "TARGET|WORKING FOLDER|ICON FILE,INDEX"
//   window_probe version FILE             prints a program's version ("FileVersion" of its
//                                         version resource, first translation)
//   window_probe record FILE ARGUMENTS...  appends one line to FILE: the arguments it was
//                                         given, each in [brackets] (stands in for the
//                                         program the shell would start for an address)
// Exit code 0 on success, 1 when the window or control did not turn up in time.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "base/private_messages.h"
#include "base/com_ptr_win.h"

namespace {

constexpr wchar_t kLoginCaption[] = L"蓝鹊商务版登陆";

// Prints one line of text in UTF-8.
void PrintLine(const std::wstring& text) {
  const std::string utf8(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, const_cast<char*>(utf8.data()), static_cast<int>(utf8.size()), nullptr, nullptr);
  std::printf("%s\n", utf8.c_str());
  std::fflush(stdout);
}

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
    std::vector<std::tuple<LONG, LONG, HWND>> Found;
  } search{className, {}};
  EnumChildWindows(parent, [](HWND child, LPARAM data) -> BOOL {
    auto* s = reinterpret_cast<Search*>(data);
    wchar_t name[64];
    GetClassNameW(child, name, 64);
    RECT rect;
    GetWindowRect(child, &rect);
    const bool readOnly = GetWindowLongPtrW(child, GWL_STYLE) & ES_READONLY && lstrcmpiW(name, L"Edit") == 0;
    if (lstrcmpiW(name, s->ClassName) == 0 && IsWindowVisible(child) && !readOnly)
      s->Found.emplace_back(rect.top, rect.left, child);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&search));
  std::sort(search.Found.begin(), search.Found.end());
  std::vector<HWND> result;
  for (const auto& entry : search.Found) result.push_back(std::get<2>(entry));
  return result;
}

int Wait(const std::wstring& caption, DWORD seconds) {
  const ULONGLONG deadline = GetTickCount64() + seconds * 1000ull;
  HWND window = WaitForWindow(caption, seconds);
  if (!window) return 1;
  // The caption changes first; the window maximises a moment later.
  while (!IsZoomed(window) && GetTickCount64() < deadline) Sleep(100);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  std::printf("zoomed=%d minimizebox=%d\n", IsZoomed(window) ? 1 : 0, (style & WS_MINIMIZEBOX) ? 1 : 0);
  return 0;
}

HWND SignInButton(HWND login) {
  const std::vector<HWND> buttons = ChildrenOfClass(login, L"Button");
  return buttons.empty() ? nullptr : buttons.back();  // the lowest one
}

int SignIn(const std::wstring& user, const std::wstring& password, const std::wstring& tick) {
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
  if (buttons.size() != 3) return 1;
  // buttons[0] is "保存号码", buttons[1] "自动登陆" (they sit side by side; left first).
  HWND number = buttons[0], automatic = buttons[1];
  RECT a, b;
  GetWindowRect(number, &a);
  GetWindowRect(automatic, &b);
  if (a.left > b.left) std::swap(number, automatic);
  auto setTick = [](HWND box, bool ticked) {
    if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != ticked) SendMessageW(box, BM_CLICK, 0, 0);
  };
  setTick(number, tick == L"number" || tick == L"both");
  setTick(automatic, tick == L"auto" || tick == L"both");
  PostMessageW(buttons.back(), BM_CLICK, 0, 0);
  return 0;
}

// Message boxes are dialogs of the system class "#32770"; their text is the
// static control with the id 0xFFFF. A box counts once it is shown with its
// text (it exists a moment before), and the answered box is waited out, so
// that the next call never finds it again.
int Dialog(const std::wstring& caption, DWORD seconds, const std::wstring& button) {
  HWND box = nullptr;
  wchar_t text[1024] = L"";
  const ULONGLONG deadline = GetTickCount64() + seconds * 1000ull;
  const auto ready = [&] {
    box = FindWindowW(L"#32770", caption.c_str());
    return box && IsWindowVisible(box) && GetDlgItemTextW(box, 0xFFFF, text, 1024) > 0;
  };
  while (!ready() && GetTickCount64() < deadline) Sleep(100);
  if (!box || !*text) return 1;
  std::wstring escaped;
  for (const wchar_t* c = text; *c; ++c) escaped += *c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, *c);
  PrintLine(escaped);
  const int id = button == L"yes" ? IDYES : button == L"no" ? IDNO : IDOK;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
  while (IsWindow(box) && GetTickCount64() < deadline + 5000) Sleep(50);
  return 0;
}

// Prints a window's screen rectangle as "left top width height".
int PrintRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

// Waits for a visible window of the class (and caption, unless null) and
// prints its rectangle.
int PrintVisibleRect(const wchar_t* className, const wchar_t* caption, DWORD seconds) {
  HWND window = nullptr;
  const ULONGLONG deadline = GetTickCount64() + seconds * 1000ull;
  while (!((window = FindWindowW(className, caption)) && IsWindowVisible(window)) && GetTickCount64() < deadline)
    Sleep(100);
  if (!window || !IsWindowVisible(window)) return 1;
  return PrintRect(window);
}

int BoxRect(const std::wstring& caption, DWORD seconds) { return PrintVisibleRect(L"#32770", caption.c_str(), seconds); }

int Close(DWORD seconds) {
  HWND login = WaitForWindow(kLoginCaption, seconds);
  if (!login) return 1;
  PostMessageW(login, WM_CLOSE, 0, 0);
  return 0;
}

int ButtonState() {
  HWND window = WaitForWindow(kLoginCaption, 5);
  HWND button = window ? SignInButton(window) : nullptr;
  if (!button) return 1;
  std::printf("enabled=%d\n", IsWindowEnabled(button) ? 1 : 0);
  return 0;
}

int Shortcut(const std::wstring& file) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  int result = 1;
  {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> stored;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(link.Put()))) &&
        SUCCEEDED(link.As(stored)) && SUCCEEDED(stored->Load(file.c_str(), STGM_READ))) {
      wchar_t target[MAX_PATH] = L"", folder[MAX_PATH] = L"", icon[MAX_PATH] = L"";
      int index = 0;
      link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
      link->GetWorkingDirectory(folder, MAX_PATH);
      link->GetIconLocation(icon, MAX_PATH, &index);
      PrintLine(std::wstring(target) + L"|" + folder + L"|" + icon + L"," + std::to_wstring(index));
      result = 0;
    }
  }
  CoUninitialize();
  return result;
}

int Version(const std::wstring& file) {
  std::vector<BYTE> data(GetFileVersionInfoSizeW(file.c_str(), nullptr));
  if (data.empty() || !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) return 1;
  WORD* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < 2 * sizeof(WORD))
    return 1;
  wchar_t path[64];
  swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translation[0], translation[1]);
  wchar_t* text = nullptr;
  if (!VerQueryValueW(data.data(), path, reinterpret_cast<void**>(&text), &size)) return 1;
  PrintLine(text);
  return 0;
}

int Record(const std::wstring& file, int count, wchar_t** arguments) {
  std::wstring line;
  for (int i = 0; i < count; ++i) line += L"[" + std::wstring(arguments[i]) + L"]";
  line += L"\n";
  FILE* out = _wfopen(file.c_str(), L"ab");
  if (!out) return 1;
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), size, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), out);
  std::fclose(out);
  return 0;
}

}  // namespace

int Rect(const std::wstring& caption, DWORD seconds) {
  HWND window = WaitForWindow(caption, seconds);
  return window ? PrintRect(window) : 1;
}

// The screen rectangle of a login window control: the INDEXth visible child
// of the class, top to bottom and left to right (Button 0 and 1 are the check
// boxes, 2 the sign-in button; Edit 0 the user number, 1 the password).
int Control(const std::wstring& className, int index) {
  HWND login = WaitForWindow(kLoginCaption, 20);
  if (!login) return 1;
  const std::vector<HWND> children = ChildrenOfClass(login, className.c_str());
  if (index < 0 || index >= static_cast<int>(children.size())) return 1;
  return PrintRect(children[static_cast<size_t>(index)]);
}

// The icon's own hidden window gets the shell's callback message for a
// right-button release; the menu it opens is a "#32768" window.
// Waits for a visible popup menu and prints its rectangle.
int MenuRect(DWORD seconds) { return PrintVisibleRect(L"#32768", nullptr, seconds); }

int TrayMenu(DWORD seconds) {
  HWND login = WaitForWindow(kLoginCaption, seconds);
  if (!login) return 1;
  DWORD process = 0;
  GetWindowThreadProcessId(login, &process);
  struct TSearch {
    DWORD Process;
    std::vector<HWND> Found;
  } search{process, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        if (owner == s->Process && lstrcmpW(name, L"LanqueUtilityWindow") == 0) s->Found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.Found) PostMessageW(window, WM_TRAYICON_CALLBACK, 0, WM_RBUTTONUP);
  return MenuRect(seconds);
}

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"wait" && argc == 4) return Wait(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"signin" && (argc == 4 || argc == 5)) return SignIn(argv[2], argv[3], argc == 5 ? argv[4] : L"");
  if (command == L"dialog" && argc == 5) return Dialog(argv[2], static_cast<DWORD>(_wtoi(argv[3])), argv[4]);
  if (command == L"button" && argc == 2) return ButtonState();
  if (command == L"rect" && argc == 4) return Rect(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"boxrect" && argc == 4) return BoxRect(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"close" && argc == 3) return Close(static_cast<DWORD>(_wtoi(argv[2])));
  if (command == L"control" && argc == 4) return Control(argv[2], _wtoi(argv[3]));
  if (command == L"traymenu" && argc == 3) return TrayMenu(static_cast<DWORD>(_wtoi(argv[2])));
  if (command == L"menu" && argc == 3) return MenuRect(static_cast<DWORD>(_wtoi(argv[2])));
  if (command == L"shortcut" && argc == 3) return Shortcut(argv[2]);
  if (command == L"version" && argc == 3) return Version(argv[2]);
  if (command == L"record" && argc >= 3) return Record(argv[2], argc - 3, argv + 3);
  std::fputs("usage: window_probe wait CAPTION SECONDS | signin USER PASSWORD [number|auto|both] |"
             " dialog CAPTION SECONDS ok|yes|no | button | rect CAPTION SECONDS | control CLASS INDEX |"
             " traymenu SECONDS | menu SECONDS | shortcut FILE | version FILE |"
             " record FILE ARGUMENTS...\n",
             stderr);
  return 2;
}
