#pragma once
// Menu items and popup menus.
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/listener_list.h"
#include "framework/messages.h"
#include "base/win_handles.h"

class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TWindowSubclass;

// Where an item starts a new column of its popup: a plain break, or one with a bar.
enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

// What a skin plugs into menus: owner-drawn items are measured and drawn by
// it, and the popup window of a menu it skins is shown to it while tracked.
class TMenuSkinHooks {
 public:
  virtual ~TMenuSkinHooks() = default;
  virtual void MeasureItem(TMenuItem& Item, int& Width, int& Height) = 0;
  // State: the ODS_* bits of the drawing.
  virtual void DrawItem(TMenuItem& Item, HDC DC, const RECT& Rect, UINT State) = 0;
  // A subclass attached to the menu's popup window as the system makes it
  // (before its first message), or nullptr.
  virtual TWindowSubclass* PopupWindowSubclass(TPopupMenu& Menu) = 0;
  // The menu was closed.
  virtual void PopupClosed(TPopupMenu& Menu) = 0;
};

// Told before any popup menu of the thread is tracked.
class TPopupWatcher {
 public:
  virtual ~TPopupWatcher() = default;
  virtual void BeforePopup(TPopupMenu& Menu) = 0;
};

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const std::wstring& GetCaption() const { return FCaption; }
  void SetCaption(std::wstring Value) { FCaption = std::move(Value); }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value) { FChecked = Value; }
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  TMenuBreak GetBreak() const { return FBreak; }
  void SetBreak(TMenuBreak Value) { FBreak = Value; }
  // The shortcut as shown after the caption ("Alt+F4").
  const std::wstring& GetShortCutText() const { return FShortCutText; }
  void SetShortCutText(std::wstring Value) { FShortCutText = std::move(Value); }

  // Sub-items, in order. An item belongs to at most one parent item.
  void Add(TMenuItem* Item);
  void Remove(TMenuItem* Item);
  int GetCount() const { return static_cast<int>(FItems.size()); }
  TMenuItem* GetItem(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
  TMenuItem* GetParentItem() const { return FParentItem; }
  // The popup menu whose tree holds the item, or nullptr.
  TPopupMenu* GetPopupMenu() const;
  // The main menu whose tree holds the item, or nullptr.
  TMainMenu* GetMainMenu() const;
  // An item of a main menu's bar (a top-level item).
  bool IsTopLine() const;

  // A skin's hooks make the item owner-drawn; nullptr gives it back to the system.
  TMenuSkinHooks* GetSkinHooks() const { return FSkinHooks; }
  void SetSkinHooks(TMenuSkinHooks* Value) { FSkinHooks = Value; }
  bool IsOwnerDrawn() const { return FSkinHooks != nullptr || static_cast<bool>(OnAdvancedDrawItem); }

  virtual void Click();
  TNotifyEvent OnClick;
  // The program's own drawing of the item, after the skin's.
  std::function<void(TMenuItem* Sender, HDC DC, const RECT& Rect, UINT State)> OnAdvancedDrawItem;

  void MeasureItem(int& Width, int& Height);
  void AdvancedDrawItem(HDC DC, const RECT& Rect, UINT State);

 private:
  friend class TPopupMenu;
  friend class TMainMenu;
  const TMenuItem& Root() const;
  std::wstring FCaption;
  std::wstring FShortCutText;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  bool FRadioItem = false;
  bool FDefault = false;
  TMenuBreak FBreak = mbNone;
  TMenuItem* FParentItem = nullptr;
  TPopupMenu* FMenu = nullptr;  // set on the root item only
  TMainMenu* FMainMenu = nullptr;  // the same
  TMenuSkinHooks* FSkinHooks = nullptr;
  std::vector<TMenuItem*> FItems;
};

// Appends the visible items under Parent to Menu, sub-items as popups:
// command ids are positions in Commands (from 1), each item's data is the item.
void AppendMenuItems(HMENU Menu, const TMenuItem& Parent, std::vector<TMenuItem*>& Commands);
// WM_MEASUREITEM and WM_DRAWITEM of a menu item under Root, answered by the
// item named in the message; false for others.
bool MenuItemMessage(TMenuItem& Root, TMessage& Message);

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  TMenuItem& GetItems() { return FItems; }
  // Shows the menu at a screen position and runs the chosen item's Click.
  virtual void Popup(int X, int Y);

  // The window that owns the menu while it is tracked; nullptr: a hidden one of its own.
  HWND GetOwnerWindow() const { return FOwnerWindow; }
  void SetOwnerWindow(HWND Value) { FOwnerWindow = Value; }
  TMenuSkinHooks* GetSkinHooks() const { return FSkinHooks; }
  void SetSkinHooks(TMenuSkinHooks* Value) { FSkinHooks = Value; }

  // The menu's window-system twin: command ids are positions in Commands
  // (from 1), each item's data is the item. Invisible items are left out.
  TOwnedMenu BuildHandle(std::vector<TMenuItem*>& Commands);
  // WM_MEASUREITEM and WM_DRAWITEM of the menu's items, answered by the item
  // named in the message when it belongs to this menu; false for others.
  bool ItemMessage(TMessage& Message);

  // Watchers told before any popup menu is tracked (a skin hooks the menu there).
  static TListenerList<TPopupWatcher*>& Watchers();

  TNotifyEvent OnPopup;

 private:
  TMenuItem FItems{nullptr};
  HWND FOwnerWindow = nullptr;
  TMenuSkinHooks* FSkinHooks = nullptr;
};
