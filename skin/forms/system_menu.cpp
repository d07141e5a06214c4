#include "skin/forms/system_menu.h"


namespace {

// Tracked by the form itself, so its frame stays active while the menu is
// open; the skin manager skins every popup before it is tracked.
void TrackSysMenu(TsSystemMenu& Menu, HWND Owner, int X, int Y) {
  Menu.SetOwnerWindow(Owner);
  Menu.Popup(X, Y);
  Menu.SetOwnerWindow(nullptr);
}

TSysMenuPopup gPopup = TrackSysMenu;

// The commands of the window's system menu that the standard items stand for.
bool StandardCommand(UINT Id) { return Id >= 0xF000 && Id <= 0xF1FF; }

}  // namespace

void PopupSysMenu(TsSystemMenu& Menu, HWND Owner, int X, int Y) { gPopup(Menu, Owner, X, Y); }

TSysMenuPopup SetSysMenuPopup(TSysMenuPopup Popup) { return std::exchange(gPopup, Popup ? Popup : TrackSysMenu); }

TsSystemMenu::TsSystemMenu(TComponent* Owner, TacSysMenuHost& Host) : TsCustomSysMenu(Owner), FHost(Host) {
  SetName(L"acSysMenu" + std::to_wstring(GetTickCount()));
}

bool TsSystemMenu::VisibleClose() { return FHost.MenuState().VisibleClose; }
bool TsSystemMenu::VisibleMax() { return FHost.MenuState().VisibleMax; }
bool TsSystemMenu::VisibleMin() { return FHost.MenuState().VisibleMin; }
bool TsSystemMenu::EnabledMax() { return FHost.MenuState().EnabledMax; }
bool TsSystemMenu::EnabledMin() { return FHost.MenuState().EnabledMin; }
bool TsSystemMenu::EnabledRestore() { return FHost.MenuState().EnabledRestore; }
bool TsSystemMenu::VisibleRestore() { return FHost.MenuState().VisibleRestore; }
bool TsSystemMenu::VisibleSize() { return FHost.MenuState().VisibleSize; }
bool TsSystemMenu::EnabledClose() { return FHost.MenuState().EnabledClose; }
bool TsSystemMenu::EnabledMove() { return FHost.MenuState().EnabledMove; }
bool TsSystemMenu::EnabledSize() { return FHost.MenuState().EnabledSize; }

void TsSystemMenu::Clear() {
  for (const TEntry& entry : FEntries) delete entry.Item;
  FEntries.clear();
  ItemRestore = ItemMove = ItemSize = ItemMinimize = ItemMaximize = ItemClose = nullptr;
  ExtraCount = 0;
}

TMenuItem* TsSystemMenu::AddItem(const wchar_t* Name, std::wstring Caption, std::function<void()> Click) {
  auto* item = new TMenuItem(this);
  if (Name) item->SetName(Name);
  // The system's captions carry their shortcut after a tab ("Close\tAlt+F4").
  if (const size_t tab = Caption.find(L'\t'); tab != std::wstring::npos) {
    item->SetShortCutText(Caption.substr(tab + 1));
    Caption.resize(tab);
  }
  item->SetCaption(std::move(Caption));
  if (Click) item->OnClick = [Click = std::move(Click)](TComponent*) { Click(); };
  FEntries.push_back({item, true});
  return item;
}

void TsSystemMenu::Generate() {
  Clear();
  HWND window = FHost.SysMenuWindow();
  if (!FHost.HasSysMenu() || !window) return ApplyState();
  HMENU system = ::GetSystemMenu(window, FALSE);
  // The window's own caption of a command (shortcut after the tab), else ours.
  const auto caption = [system](UINT command, const wchar_t* fallback) {
    wchar_t text[256] = {};
    if (system && GetMenuStringW(system, command, text, 256, MF_BYCOMMAND) > 0) return std::wstring(text);
    return std::wstring(fallback);
  };
  ItemRestore = AddItem(L"acIR", caption(SC_RESTORE, L"Restore"), [this] { RestoreClick(); });
  ItemMove = AddItem(L"acIM", caption(SC_MOVE, L"Move"), [this] { MoveClick(); });
  ItemSize = AddItem(L"acIS", caption(SC_SIZE, L"Size"), [this] { SizeClick(); });
  ItemMinimize = AddItem(L"acIN", caption(SC_MINIMIZE, L"Minimize"), [this] { MinClick(); });
  ItemMaximize = AddItem(L"acIX", caption(SC_MAXIMIZE, L"Maximize"), [this] { MaxClick(); });
  AddItem(nullptr, L"-", nullptr);
  const int count = system ? GetMenuItemCount(system) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(system, static_cast<UINT>(i), TRUE, &info)) continue;
    if ((info.fType & MFT_SEPARATOR) || info.hSubMenu || StandardCommand(info.wID) || !text[0]) continue;
    TMenuItem* item = AddItem(nullptr, text, nullptr);
    item->SetTag(static_cast<std::intptr_t>(info.wID));
    item->OnClick = [this](TComponent* Sender) { ExtClick(static_cast<TMenuItem*>(Sender)); };
    ++ExtraCount;
  }
  if (ExtraCount > 0) AddItem(nullptr, L"-", nullptr);
  ItemClose = AddItem(L"acIC", caption(SC_CLOSE, L"Close"), [this] { CloseClick(); });
  ApplyState();
}

void TsSystemMenu::UpdateItems(bool Regenerate) {
  if (Regenerate || (!ItemClose && FHost.HasSysMenu())) return Generate();
  ApplyState();
}

void TsSystemMenu::ApplyState() {
  const TacSysMenuState s = FHost.MenuState();
  const struct {
    TMenuItem* Item;
    bool Visible, Enabled;
  } standard[] = {
      {ItemRestore, s.VisibleRestore, s.EnabledRestore}, {ItemMove, true, s.EnabledMove},
      {ItemSize, s.VisibleSize, s.EnabledSize},          {ItemMinimize, s.VisibleMin, s.EnabledMin},
      {ItemMaximize, s.VisibleMax, s.EnabledMax},        {ItemClose, s.VisibleClose, s.EnabledClose},
  };
  for (const auto& row : standard) {
    if (!row.Item) continue;
    row.Item->SetEnabled(row.Enabled);
    for (TEntry& entry : FEntries)
      if (entry.Item == row.Item) entry.Visible = row.Visible;
  }
  // The menu shows the visible items, in order.
  TMenuItem& root = GetItems();
  while (root.GetCount() > 0) root.Remove(root.GetItem(root.GetCount() - 1));
  for (const TEntry& entry : FEntries)
    if (entry.Visible) root.Add(entry.Item);
}

void TsSystemMenu::SendCommand(WPARAM Command) {
  HWND window = FHost.SysMenuWindow();
  if (!window) return;
  // The command may free the window's skinning and this menu.
  TComponentRef<TsSystemMenu> alive(this);
  SendMessageW(window, WM_SYSCOMMAND, Command, 0);
  if (alive && Command != SC_CLOSE && Command != SC_MOVE && Command != SC_SIZE) UpdateItems();
}

void TsSystemMenu::RestoreClick() { SendCommand(SC_RESTORE); }
void TsSystemMenu::MoveClick() { SendCommand(SC_MOVE); }
void TsSystemMenu::SizeClick() { SendCommand(SC_SIZE); }
void TsSystemMenu::MinClick() { SendCommand(SC_MINIMIZE); }
void TsSystemMenu::MaxClick() { SendCommand(SC_MAXIMIZE); }
void TsSystemMenu::CloseClick() { SendCommand(SC_CLOSE); }

void TsSystemMenu::ExtClick(TMenuItem* Item) {
  if (HWND window = FHost.SysMenuWindow())
    PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(Item->GetTag()), 0);
}
