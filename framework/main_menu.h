#pragma once
// A form's main menu: the bar of top-level items under the caption, their
// items as drop-down popups. The form shows it (TForm::SetMenu) and hands
// it the bar's messages: commands, owner-drawn items, menu characters.
#include <vector>

#include "framework/menus.h"

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;

  TMenuItem& GetItems() { return FItems; }
  // The bar of the window it is shown on (nullptr while shown on none).
  HMENU GetHandle() const { return FHandle.Get(); }
  HWND GetWindow() const { return FWindow; }
  // Builds the bar again from the items (after they changed, or when their
  // owner drawing changed) and redraws it.
  void Rebuild();

  // The messages of the window the bar is on: a chosen item's click,
  // measuring and drawing owner-drawn items, and the access keys of items
  // the system cannot read ('&' in an owner-drawn caption). True when answered.
  bool WindowMessage(TMessage& Message);

 private:
  friend class TForm;
  void ShowOn(HWND Window);  // nullptr takes the bar off its window

  TMenuItem FItems{nullptr};
  TOwnedMenu FHandle;
  std::vector<TMenuItem*> FCommands;
  HWND FWindow = nullptr;
};
