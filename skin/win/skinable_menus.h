#pragma once
// Popup menus drawn from the skin: their items become owner-drawn and are
// measured and painted from the MENUITEM, MAINMENU and icon-column sections;
// while a skinned popup is tracked its window is shaped by the MAINMENU
// border mask and its frame painted from the popup's background.
#include <memory>
#include <vector>

#include "base/win_handles.h"
#include "framework/main_menu.h"
#include "framework/window_subclass.h"
#include "skin/paint/menus/menu_paint.h"

class TsSkinManager;
class TsGdiTextRasteriser;

class TsSkinableMenus final : public TMenuSkinHooks, public TPopupWatcher {
 public:
  explicit TsSkinableMenus(TsSkinManager& Manager);
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;
  ~TsSkinableMenus() override;

  int BorderWidth = 3;  // between a popup's border and its items
  int Margin = 2;
  int Spacing = 8;
  // The MAINMENU border mask's width (3 when below 1), 0 without the mask.
  int SkinBorderWidth() const;

  // Owner drawing by the skin on (Active) or off for a popup and all its
  // items, for an item tree, for one item, or for every popup menu of the
  // application's forms.
  void HookPopupMenu(TPopupMenu* Menu, bool Active);
  void HookItem(TMenuItem* Item, bool Active);
  void InitItem(TMenuItem* Item, bool Active);
  void InitItems(bool Active);
  // A main menu's bar and its drop-down items owner-drawn by the skin (or
  // given back); the bar is built again.
  void InitMenuLine(TMainMenu* Menu, bool Active);
  // Every item of the menu is drawn by these menus.
  bool MenuLineHooked(TMainMenu& Menu) const;
  // Each item of the bar of Menu's window painted in its normal look into the
  // window's whole picture, over the band under it.
  void PaintMenuLine(TMainMenu& Menu, TBitmap32& WindowPicture);
  // Skinning of the application's menus on or off; off frees the popups' backgrounds.
  void SetActive(bool Active);
  // Frees the prepared popup backgrounds.
  void ClearCache();
  std::size_t CachedPopups() const { return FPopups.size(); }

  // What the framework asks of a skinned item and popup.
  void MeasureItem(TMenuItem& Item, int& Width, int& Height) override;
  void DrawItem(TMenuItem& Item, HDC DC, const RECT& Rect, UINT State) override;
  TWindowSubclass* PopupWindowSubclass(TPopupMenu& Menu) override;
  void PopupClosed(TPopupMenu& Menu) override;
  void BeforePopup(TPopupMenu& Menu) override;

 private:
  // One prepared popup: its first item names it.
  struct TacMenuInfo {
    TMenuItem* FirstItem = nullptr;
    HWND Window = nullptr;
    TBitmap32 Bg;
    TPoint ClientOffset;       // the client area's place in Bg
    std::vector<RECT> Drawn;   // the items drawn so far, in Bg's coordinates
    TSize RegionSize{-1, -1};  // the size the window's region was made for
  };
  // The popup window of a tracked menu.
  struct TacPopupWindow {
    TPopupMenu* Menu = nullptr;
    std::unique_ptr<TWindowSubclass> Subclass;
  };

  bool Skinned() const;
  TacMenuMetrics Metrics() const;
  TacMenuSkin Skin() const;
  TacMenuItemDesc Describe(const TMenuItem& Item) const;
  TsGdiTextRasteriser& Raster(bool Bold);
  // An item of a main menu's bar drawn over the window's picture.
  void DrawLineItem(TMenuItem& Item, HDC DC, const RECT& Rect, UINT State);
  TacMenuInfo& GetMenuInfo(TMenuItem& Parent, HWND Window);
  void PopupMessage(TacPopupWindow& Popup, TMessage& Message);
  void PaintFrame(TMenuItem& Parent, HWND Window);
  void UpdateRegion(TacMenuInfo& Info, HWND Window);

  TsSkinManager& FManager;
  TOwnedFont FFont;
  TOwnedFont FBoldFont;
  std::unique_ptr<TsGdiTextRasteriser> FRaster;
  std::unique_ptr<TsGdiTextRasteriser> FBoldRaster;
  std::vector<std::unique_ptr<TacMenuInfo>> FPopups;
  std::vector<std::unique_ptr<TacPopupWindow>> FWindows;
  std::vector<TComponentRef<TPopupMenu>> FHooked;  // the popups hooked, to let go of
};
