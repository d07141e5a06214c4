#pragma once
// The skinned form's own system menu. While skinned the window has no system
// menu style, so the provider opens this popup menu instead: built from the
// window's real system menu (its captions and extra commands), its standard
// items shown and enabled as the form's border style, icons and state allow.
#include <functional>
#include <string>
#include <vector>

#include "framework/menus.h"
#include "skin/forms/frame/caption_buttons.h"

// The window a skinned system menu serves: a skinned form's provider or a
// skinned dialog's frame.
class TacSysMenuHost {
 public:
  // The window the commands go to; nullptr while there is none.
  virtual HWND SysMenuWindow() const = 0;
  // The window has a system menu at all.
  virtual bool HasSysMenu() const = 0;
  virtual TacSysMenuState MenuState() const = 0;

 protected:
  ~TacSysMenuHost() = default;
};

// What a system menu shows and allows of the caption buttons' commands.
class TsCustomSysMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  virtual bool VisibleClose() = 0;
  virtual bool VisibleMax() = 0;
  virtual bool VisibleMin() = 0;
  virtual bool EnabledMax() = 0;
  virtual bool EnabledMin() = 0;
  virtual bool EnabledRestore() = 0;
};

class TsSystemMenu : public TsCustomSysMenu {
 public:
  // Owned by Owner (none: by whoever made it); named "acSysMenu" and the tick count.
  TsSystemMenu(TComponent* Owner, TacSysMenuHost& Host);

  bool VisibleClose() override;
  bool VisibleMax() override;
  bool VisibleMin() override;
  bool EnabledMax() override;
  bool EnabledMin() override;
  bool EnabledRestore() override;
  bool VisibleRestore();
  bool VisibleSize();
  bool EnabledClose();
  bool EnabledMove();
  bool EnabledSize();

  // Rebuilds the items from the window's system menu: restore, move, size,
  // minimise, maximise, a separator, the window's other commands (and a
  // separator after them), close. Empty without a system menu.
  void Generate();
  // Shows and enables the standard items as the form allows; regenerates
  // first when asked or when the close item is missing.
  void UpdateItems(bool Regenerate = false);

  // The standard items (nullptr until generated) and the count of the
  // window's other commands taken over.
  TMenuItem* ItemRestore = nullptr;
  TMenuItem* ItemMove = nullptr;
  TMenuItem* ItemSize = nullptr;
  TMenuItem* ItemMinimize = nullptr;
  TMenuItem* ItemMaximize = nullptr;
  TMenuItem* ItemClose = nullptr;
  int ExtraCount = 0;

  // Item handlers: the window gets the command.
  void RestoreClick();
  void MoveClick();
  void SizeClick();
  void MinClick();
  void MaxClick();
  void CloseClick();
  void ExtClick(TMenuItem* Item);

 private:
  TMenuItem* AddItem(const wchar_t* Name, std::wstring Caption, std::function<void()> Click);
  void Clear();
  // Shows and enables the items as the form allows now.
  void ApplyState();
  void SendCommand(WPARAM Command);
  // The items in order, each with whether it shows now.
  struct TEntry {
    TMenuItem* Item;
    bool Visible;
  };
  std::vector<TEntry> FEntries;
  TacSysMenuHost& FHost;
};

// Opens a system menu at a screen point for its form's window and runs the
// chosen item. Every skinned system menu is opened here.
void PopupSysMenu(TsSystemMenu& Menu, HWND Owner, int X, int Y);
// Replaces how PopupSysMenu opens menus (tests watch it); returns the one before.
using TSysMenuPopup = void (*)(TsSystemMenu& Menu, HWND Owner, int X, int Y);
TSysMenuPopup SetSysMenuPopup(TSysMenuPopup Popup);
