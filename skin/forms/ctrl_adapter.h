#pragma once
// The companion of a skinned form's provider that skins the form's ordinary
// controls from outside: a windowed control whose own class name stands in
// one of the skin manager's class lists gets the window adapter of the first
// list that names it; plain labels take the skin's font colour while the
// skin lasts and get their own back afterwards.
#include <memory>
#include <string>
#include <vector>

#include "framework/label.h"
#include "framework/win_control.h"
#include "skin/controls/adapters/main_wnd.h"
#include "skin/controls/adapters/speed_btn_handler.h"

class TsSkinProvider;

// The control's own class name as the class lists hold it ("TButton").
std::string ControlClassName(const TControl& Control);

class TacCtrlAdapter {
 public:
  explicit TacCtrlAdapter(TsSkinProvider& Provider);
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;
  ~TacCtrlAdapter();

  // The section handed to controls added one at a time (empty: the adapter's own).
  std::string DefaultSection;

  // Scans a control tree (nullptr: the provider's form). A scan started
  // while one runs (from a message sent during it) does nothing.
  void AddAllItems(TWinControl* Root = nullptr);
  void AddNewItem(TWinControl* Control, const std::string& Section);
  // Whether a control would be skinned: not the engine's own, not skinned
  // already, listed (windowed) or a label, and allowed by the provider's hook.
  bool IsControlSupported(TControl* Control) const;

  int Count() const { return static_cast<int>(FItems.size()); }
  int IndexOf(const TControl* Control) const;
  TacMainWnd* GetAdapter(int Index) const;
  void RemoveItem(int Index);
  // Drops the items whose adapters let go (their windows went).
  void CleanItems();
  void RemoveAllItems();
  // Hands a message to every adapted window.
  void WndProc(TMessage& Message);

 private:
  struct TacAdapterItem {
    TComponentRef<TWinControl> WinCtrl;
    std::unique_ptr<TacMainWnd> ScrollWnd;
  };
  struct TacLabelColor {
    TComponentRef<TLabel> Label;
    TColor Color = 0;
    bool ParentFont = true;
  };
  void Scan(TWinControl* Root);
  void Consider(TControl* Control);
  bool HooksAllow(TControl* Control, std::string& Section) const;
  std::unique_ptr<TacMainWnd> DoHook(TWinControl* Control, const std::string& Section) const;
  void InitLabel(TLabel* Label, bool Init);

  TsSkinProvider& FProvider;
  std::vector<TacAdapterItem> FItems;
  std::vector<TacLabelColor> FLabels;
  std::vector<std::unique_ptr<TacSpeedButtonHandler>> FSpeedButtons;  // listed speed buttons
  int FRemoving = 0;
};
