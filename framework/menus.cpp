#include "framework/menus.h"

#include <algorithm>
#include <optional>

#include "framework/utility_window.h"
#include "framework/window_subclass.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : FItems) item->FParentItem = nullptr;
  if (FParentItem) FParentItem->Remove(this);
}

void TMenuItem::Add(TMenuItem* Item) {
  if (Item->FParentItem) Item->FParentItem->Remove(Item);
  Item->FParentItem = this;
  FItems.push_back(Item);
}

void TMenuItem::Remove(TMenuItem* Item) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), Item), FItems.end());
  Item->FParentItem = nullptr;
}

const TMenuItem& TMenuItem::Root() const {
  const TMenuItem* root = this;
  while (root->FParentItem) root = root->FParentItem;
  return *root;
}

TPopupMenu* TMenuItem::GetPopupMenu() const { return Root().FMenu; }

TMainMenu* TMenuItem::GetMainMenu() const { return Root().FMainMenu; }

bool TMenuItem::IsTopLine() const { return FParentItem && !FParentItem->FParentItem && FParentItem->FMainMenu; }

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(int& Width, int& Height) {
  if (FSkinHooks) FSkinHooks->MeasureItem(*this, Width, Height);
}

void TMenuItem::AdvancedDrawItem(HDC DC, const RECT& Rect, UINT State) {
  if (FSkinHooks) FSkinHooks->DrawItem(*this, DC, Rect, State);
  if (OnAdvancedDrawItem) OnAdvancedDrawItem(this, DC, Rect, State);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) { FItems.FMenu = this; }

TPopupMenu::~TPopupMenu() { FItems.FMenu = nullptr; }

TListenerList<TPopupWatcher*>& TPopupMenu::Watchers() {
  thread_local TListenerList<TPopupWatcher*> watchers;
  return watchers;
}

namespace {

void AppendItem(HMENU Menu, TMenuItem& Item, UINT Id, HMENU SubMenu) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING | (SubMenu ? MIIM_SUBMENU : 0);
  const bool separator = Item.GetCaption() == L"-";
  info.fType = (separator ? MFT_SEPARATOR : MFT_STRING) | (Item.IsOwnerDrawn() ? MFT_OWNERDRAW : 0) |
               (Item.GetRadioItem() ? MFT_RADIOCHECK : 0) |
               (Item.GetBreak() == mbBreak ? MFT_MENUBREAK : Item.GetBreak() == mbBarBreak ? MFT_MENUBARBREAK : 0);
  info.fState = (Item.GetEnabled() ? MFS_ENABLED : MFS_GRAYED) | (Item.GetChecked() ? MFS_CHECKED : 0) |
                (Item.GetDefault() ? MFS_DEFAULT : 0);
  info.wID = Id;
  info.hSubMenu = SubMenu;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(&Item);
  // The system shows the shortcut after a tab, right-aligned.
  std::wstring text = Item.GetCaption();
  if (!Item.GetShortCutText().empty()) text += L"\t" + Item.GetShortCutText();
  info.dwTypeData = separator ? nullptr : text.data();
  if (separator) info.fMask &= ~MIIM_STRING;
  InsertMenuItemW(Menu, GetMenuItemCount(Menu), TRUE, &info);
}

}  // namespace

void AppendMenuItems(HMENU Menu, const TMenuItem& Parent, std::vector<TMenuItem*>& Commands) {
  for (int i = 0; i < Parent.GetCount(); ++i) {
    TMenuItem* item = Parent.GetItem(i);
    if (!item->GetVisible()) continue;
    if (item->GetCount() > 0) {
      HMENU sub = CreatePopupMenu();
      AppendMenuItems(sub, *item, Commands);
      AppendItem(Menu, *item, 0, sub);
    } else if (item->GetCaption() == L"-") {
      AppendItem(Menu, *item, 0, nullptr);
    } else {
      Commands.push_back(item);
      AppendItem(Menu, *item, static_cast<UINT>(Commands.size()), nullptr);
    }
  }
}

namespace {

TMenuItem* FindIn(TMenuItem& Parent, ULONG_PTR Data) {
  if (reinterpret_cast<ULONG_PTR>(&Parent) == Data) return &Parent;
  for (int i = 0; i < Parent.GetCount(); ++i)
    if (TMenuItem* found = FindIn(*Parent.GetItem(i), Data)) return found;
  return nullptr;
}

}  // namespace

TOwnedMenu TPopupMenu::BuildHandle(std::vector<TMenuItem*>& Commands) {
  TOwnedMenu menu(CreatePopupMenu());
  AppendMenuItems(menu.Get(), FItems, Commands);
  return menu;
}

bool TPopupMenu::ItemMessage(TMessage& Message) { return MenuItemMessage(FItems, Message); }

bool MenuItemMessage(TMenuItem& Root, TMessage& Message) {
  const auto FindItem = [&Root](ULONG_PTR Data) {
    TMenuItem* item = FindIn(Root, Data);
    return item == &Root ? nullptr : item;
  };
  if (Message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItem(measure->itemData);
    if (!item) return false;
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    item->MeasureItem(width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    Message.Result = TRUE;
    return true;
  }
  if (Message.Msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
    if (!draw || draw->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItem(draw->itemData);
    if (!item) return false;
    item->AdvancedDrawItem(draw->hDC, draw->rcItem, draw->itemState);
    Message.Result = TRUE;
    return true;
  }
  return false;
}

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  Watchers().Broadcast([this](TPopupWatcher* watcher) {
    watcher->BeforePopup(*this);
    return false;
  });
  std::vector<TMenuItem*> items;
  TOwnedMenu menu(BuildHandle(items));
  // Owner-drawn items are measured and drawn through messages to the owner.
  std::optional<TUtilityWindow> ownWindow;
  std::optional<TWindowSubclass> ownerHook;
  HWND owner = FOwnerWindow;
  if (owner) {
    ownerHook.emplace([this, &ownerHook](TMessage& Message) {
      if (!ItemMessage(Message)) ownerHook->CallDefault(Message);
    });
    ownerHook->Attach(owner);
  } else {
    ownWindow.emplace([this, &ownWindow](TMessage& Message) {
      if (!ItemMessage(Message)) ownWindow->DefaultHandler(Message);
    });
    owner = ownWindow->GetHandle();
  }
  // The menu needs a window of this program in the foreground, or it will
  // not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  UINT chosen = 0;
  {
    TWindowSubclass* popupWindow = FSkinHooks ? FSkinHooks->PopupWindowSubclass(*this) : nullptr;
    std::optional<TWindowSubclass::TOnCreate> watch;
    if (popupWindow) watch.emplace(*popupWindow, nullptr);
    chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, X, Y, 0, owner, nullptr);
  }
  if (FSkinHooks) FSkinHooks->PopupClosed(*this);
  PostMessageW(owner, WM_NULL, 0, 0);
  ownerHook.reset();
  if (chosen > 0 && chosen <= items.size()) items[chosen - 1]->Click();
}
