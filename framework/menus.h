#pragma once
// Menu items and popup menus.
#include <string>
#include <vector>

#include "framework/component.h"
#include "base/win_handles.h"

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const std::wstring& GetCaption() const { return FCaption; }
  void SetCaption(std::wstring Value) { FCaption = std::move(Value); }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }

  // Sub-items, in order. An item belongs to at most one parent item.
  void Add(TMenuItem* Item);
  void Remove(TMenuItem* Item);
  int GetCount() const { return static_cast<int>(FItems.size()); }
  TMenuItem* GetItem(int Index) const { return FItems.at(static_cast<size_t>(Index)); }

  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::wstring FCaption;
  bool FEnabled = true;
  TMenuItem* FParentItem = nullptr;
  std::vector<TMenuItem*> FItems;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);

  TMenuItem& GetItems() { return FItems; }
  // Shows the menu at a screen position and runs the chosen item's Click.
  virtual void Popup(int X, int Y);

  TNotifyEvent OnPopup;

 private:
  TMenuItem FItems{nullptr};
};
