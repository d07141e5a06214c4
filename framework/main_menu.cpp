#include "framework/main_menu.h"

#include <cwctype>

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner) { FItems.FMainMenu = this; }

TMainMenu::~TMainMenu() {
  ShowOn(nullptr);
  FItems.FMainMenu = nullptr;
}

void TMainMenu::ShowOn(HWND Window) {
  // The window's bar goes first: a window frees the bar it holds when it goes.
  if (FWindow && IsWindow(FWindow) && ::GetMenu(FWindow) == FHandle.Get()) SetMenu(FWindow, nullptr);
  FHandle.Reset();
  FCommands.clear();
  FWindow = Window;
  if (!Window) return;
  FHandle.Reset(CreateMenu());
  AppendMenuItems(FHandle.Get(), FItems, FCommands);
  SetMenu(Window, FHandle.Get());
}

void TMainMenu::Rebuild() {
  if (!FWindow) return;
  ShowOn(FWindow);
  DrawMenuBar(FWindow);
}

namespace {

// The access key of a caption: the character after a single '&'.
wchar_t AccessKey(const std::wstring& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != L'&') continue;
    if (Caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(Caption[i + 1]));
    ++i;
  }
  return 0;
}

// The item of the tree under Parent that Data points at, or nullptr.
const TMenuItem* ItemOf(const TMenuItem& Parent, ULONG_PTR Data) {
  for (int i = 0; i < Parent.GetCount(); ++i) {
    const TMenuItem* item = Parent.GetItem(i);
    if (reinterpret_cast<ULONG_PTR>(item) == Data) return item;
    if (const TMenuItem* found = ItemOf(*item, Data)) return found;
  }
  return nullptr;
}

}  // namespace

bool TMainMenu::WindowMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND: {
      // A menu's command: no control window, notification code 0.
      if (Message.LParam != 0 || HIWORD(Message.WParam) != 0) return false;
      const size_t id = LOWORD(Message.WParam);
      if (id == 0 || id > FCommands.size()) return false;
      FCommands[id - 1]->Click();
      Message.Result = 0;
      return true;
    }
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return Message.WParam == 0 && MenuItemMessage(FItems, Message);
    case WM_MENUCHAR: {
      HMENU menu = reinterpret_cast<HMENU>(Message.LParam);
      const wchar_t key = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(LOWORD(Message.WParam))));
      const int count = menu ? GetMenuItemCount(menu) : 0;
      for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || !(info.fType & MFT_OWNERDRAW)) continue;
        const TMenuItem* item = ItemOf(FItems, info.dwItemData);
        if (!item || AccessKey(item->GetCaption()) != key) continue;
        Message.Result = MAKELRESULT(i, MNC_EXECUTE);
        return true;
      }
      return false;
    }
    default: return false;
  }
}
