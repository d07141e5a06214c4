#pragma once
// A plain window with a multi-line edit, a list box and a scroll-bar
// control, each wearing the internal skin through its adapter: the
// demonstration program and the Windows tests of the bars both use it.
#include <windows.h>

#include <memory>
#include <string>

#include "base/win_handles.h"
#include "skin/controls/scroll/edit_wnd_win.h"
#include "skin/controls/scroll/sb_wnd_win.h"
#include "tests/support/internal_skin_manager.h"

class TScrollForm {
 public:
  // ListItems: how many lines the list box holds.
  explicit TScrollForm(int ListItems = 200) {
    Manager.reset(NewInternalSkinManager(nullptr));
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"LanqueScrollForm";
    RegisterClassW(&wc);
    Window.Reset(CreateWindowExW(0, wc.lpszClassName, L"Scroll bars", WS_OVERLAPPEDWINDOW, 40, 40, 640, 360, nullptr,
                                 nullptr, wc.hInstance, nullptr));
    const HWND form = Window.Get();
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    Edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                           ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, 12, 12, 260, 300, form, nullptr, wc.hInstance, nullptr);
    List = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           284, 12, 240, 300, form, nullptr, wc.hInstance, nullptr);
    Bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 540, 12, 17, 300, form, nullptr,
                          wc.hInstance, nullptr);
    for (HWND child : {Edit, List, Bar}) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    std::wstring text;
    for (int i = 1; i <= 60; ++i)
      text += L"Line " + std::to_wstring(i) + L" of the edit, long enough to need the horizontal bar as well\r\n";
    SetWindowTextW(Edit, text.c_str());
    SendMessageW(List, LB_INITSTORAGE, static_cast<WPARAM>(ListItems), static_cast<LPARAM>(ListItems) * 16);
    for (int i = 0; i < ListItems; ++i) SendMessageW(List, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"Item " + std::to_wstring(i)).c_str()));
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 99, 10, 30, 0};
    SetScrollInfo(Bar, SB_CTL, &info, FALSE);
    ShowWindow(List, SW_SHOW);

    TacSkinParams params;
    EditAdapter = std::make_unique<TacEditWnd>(Edit, Manager.get(), params);
    ListAdapter = std::make_unique<TacEditWnd>(List, Manager.get(), params);
    BarAdapter = std::make_unique<TacSBWnd>(Bar, Manager.get(), params);
    EditAdapter->Attach();
    ListAdapter->Attach();
    BarAdapter->Attach();
    for (HWND child : {Edit, List})
      SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ShowWindow(form, SW_SHOW);
    UpdateWindow(form);
  }
  ~TScrollForm() {
    EditAdapter.reset();
    ListAdapter.reset();
    BarAdapter.reset();
    Window.Reset();
  }

  std::unique_ptr<TsSkinManager> Manager;
  TOwnedWindow Window;
  HWND Edit = nullptr, List = nullptr, Bar = nullptr;
  std::unique_ptr<TacEditWnd> EditAdapter, ListAdapter;
  std::unique_ptr<TacSBWnd> BarAdapter;
};
