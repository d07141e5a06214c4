#include "skin/forms/message_box_fit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/win_handles.h"

namespace {

constexpr int kMinTextWidth = 64;

struct TBoxChildren {
  HWND Text = nullptr;  // the one static that holds text
  int TextCount = 0;
  std::vector<HWND> Buttons;
};

TBoxChildren ChildrenOf(HWND Box) {
  TBoxChildren found;
  for (HWND child = GetWindow(Box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (lstrcmpiW(name, L"Button") == 0) {
      found.Buttons.push_back(child);
    } else if (lstrcmpiW(name, L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON &&
               GetWindowTextLengthW(child) > 0) {
      found.Text = child;
      ++found.TextCount;
    }
  }
  return found;
}

RECT RectInParent(HWND Child, HWND Parent) {
  RECT r;
  GetWindowRect(Child, &r);
  MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The height the text needs at a width, broken as the static paints it.
int TextHeight(HWND Text, int Width) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Text)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(Text, text.data(), static_cast<int>(text.size()))));
  TClientDC dc(Text);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Text, WM_GETFONT, 0, 0));
  TSelectObject selected(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  RECT r{0, 0, Width, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX);
  return r.bottom - r.top;
}

}  // namespace

void FitMessageBoxToWorkArea(HWND Box) {
  MONITORINFO monitor{sizeof(monitor)};
  if (!GetMonitorInfoW(MonitorFromWindow(Box, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT work = monitor.rcWork;
  RECT box;
  GetWindowRect(Box, &box);
  const int excess = (box.right - box.left) - (work.right - work.left);
  if (excess <= 0) return;
  const TBoxChildren children = ChildrenOf(Box);
  if (children.TextCount != 1) return;  // not a message box's layout

  const RECT text = RectInParent(children.Text, Box);
  const int width = std::max<int>(kMinTextWidth, static_cast<int>(text.right - text.left) - excess);
  const int height = text.bottom - text.top;
  const int grow = std::max(0, TextHeight(children.Text, width) - height);
  // Breaking inside words is the edit control's rule of line breaking.
  SetWindowLongPtrW(children.Text, GWL_STYLE, GetWindowLongPtrW(children.Text, GWL_STYLE) | SS_EDITCONTROL);
  SetWindowPos(children.Text, nullptr, 0, 0, width, height + grow,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The buttons stand centred below the text, as before.
  for (HWND button : children.Buttons) {
    const RECT b = RectInParent(button, Box);
    SetWindowPos(button, nullptr, b.left - excess / 2, b.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const int boxWidth = work.right - work.left;
  const int boxHeight = std::min<int>((box.bottom - box.top) + grow, work.bottom - work.top);
  const int top = std::clamp<int>(box.top - grow / 2, work.top, work.bottom - boxHeight);
  SetWindowPos(Box, nullptr, work.left, top, boxWidth, boxHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}
