#include "framework/menus.h"

#include <algorithm>

#include "framework/utility_window.h"

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

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

namespace {

// Builds the menu's window-system twin; command ids are positions in `items`.
HMENU BuildMenu(const TMenuItem& Parent, std::vector<TMenuItem*>& Items) {
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < Parent.GetCount(); ++i) {
    TMenuItem* item = Parent.GetItem(i);
    const UINT flags = item->GetEnabled() ? MF_ENABLED : MF_GRAYED;
    if (item->GetCaption() == L"-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item->GetCount() > 0) {
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(*item, Items)),
                  item->GetCaption().c_str());
    } else {
      Items.push_back(item);
      AppendMenuW(menu, flags | MF_STRING, Items.size(), item->GetCaption().c_str());
    }
  }
  return menu;
}

}  // namespace

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  std::vector<TMenuItem*> items;
  TOwnedMenu menu(BuildMenu(FItems, items));
  // The menu needs a window of this program in the foreground, or it will
  // not close when the user clicks elsewhere.
  TUtilityWindow owner([&](TMessage& Message) { owner.DefaultHandler(Message); });
  SetForegroundWindow(owner.GetHandle());
  const UINT chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                     X, Y, 0, owner.GetHandle(), nullptr);
  PostMessageW(owner.GetHandle(), WM_NULL, 0, 0);
  if (chosen > 0 && chosen <= items.size()) items[chosen - 1]->Click();
}
