#include "skin/win/skinable_menus.h"

#include <algorithm>

#include "framework/application.h"
#include "base/private_messages.h"
#include "framework/form.h"
#include "framework/text.h"
#include "skin/data/binding/bg_info.h"
#include "skin/data/binding/skin_commands.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/skin_manager.h"

namespace {

constexpr int kGlyphSize = 16;  // items carry no images: the standard glyph size

TOwnedFont MenuFont(bool Bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  if (Bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return TOwnedFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

TacMenuSymbol SystemSymbol(const TMenuItem& Item) {
  const TPopupMenu* menu = Item.GetPopupMenu();
  if (!menu || !menu->GetName().starts_with(L"acSysMenu")) return msNone;
  const std::wstring& name = Item.GetName();
  if (name == L"acIN") return msMinimize;
  if (name == L"acIX") return msMaximize;
  if (name == L"acIR") return msRestore;
  if (name == L"acIC") return msClose;
  return msNone;
}

TMenuItem* FirstVisible(TMenuItem& Parent) {
  for (int i = 0; i < Parent.GetCount(); ++i)
    if (Parent.GetItem(i)->GetVisible()) return Parent.GetItem(i);
  return nullptr;
}

// No column break at or before the item among its visible siblings.
bool InFirstColumn(const TMenuItem& Item) {
  const TMenuItem* parent = Item.GetParentItem();
  if (!parent) return true;
  for (int i = 0; i < parent->GetCount(); ++i) {
    const TMenuItem* sibling = parent->GetItem(i);
    if (sibling->GetVisible() && sibling->GetBreak() != mbNone && i > 0) return false;
    if (sibling == &Item) break;
  }
  return true;
}

bool IsMenuWindow(HWND Window) {
  wchar_t name[16] = {};
  return Window && GetClassNameW(Window, name, 16) > 0 && lstrcmpW(name, L"#32768") == 0;
}

TSize WindowSize(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager& Manager) : FManager(Manager) { TPopupMenu::Watchers().Add(this); }

TsSkinableMenus::~TsSkinableMenus() {
  TPopupMenu::Watchers().Remove(this);
  for (const TComponentRef<TPopupMenu>& menu : FHooked)
    if (menu) HookPopupMenu(menu.Get(), false);
}

bool TsSkinableMenus::Skinned() const { return FManager.GetActive() && FManager.Model.Loaded(); }

int TsSkinableMenus::SkinBorderWidth() const { return Skinned() ? Skin().SkinBorderWidth : 0; }

TacMenuMetrics TsSkinableMenus::Metrics() const {
  TacMenuMetrics m;
  m.Margin = Margin;
  m.Spacing = Spacing;
  m.BorderWidth = BorderWidth;
  m.UseExtraLine = FManager.MenuSupport.UseExtraLine;
  m.ExtraLineWidth = FManager.MenuSupport.ExtraLineWidth;
  return m;
}

TacMenuSkin TsSkinableMenus::Skin() const { return MenuSkin(FManager.Model, FManager.MenuSupport.IcoLineSkin); }

TacMenuItemDesc TsSkinableMenus::Describe(const TMenuItem& Item) const {
  TacMenuItemDesc d;
  d.Caption = AnsiFromWide(Item.GetCaption());
  d.ShortCut = AnsiFromWide(Item.GetShortCutText());
  d.Glyph = {kGlyphSize, kGlyphSize};
  d.Break = Item.GetBreak() == mbBreak ? cbBreak : Item.GetBreak() == mbBarBreak ? cbBarBreak : cbNone;
  d.Visible = Item.GetVisible();
  d.Enabled = Item.GetEnabled();
  d.Checked = Item.GetChecked();
  d.Radio = Item.GetRadioItem();
  d.Default = Item.GetDefault();
  d.SubMenu = Item.GetCount() > 0;
  d.Symbol = SystemSymbol(Item);
  return d;
}

TsGdiTextRasteriser& TsSkinableMenus::Raster(bool Bold) {
  TOwnedFont& font = Bold ? FBoldFont : FFont;
  std::unique_ptr<TsGdiTextRasteriser>& raster = Bold ? FBoldRaster : FRaster;
  if (!raster) {
    font = MenuFont(Bold);
    raster = std::make_unique<TsGdiTextRasteriser>(font.Get());
  }
  return *raster;
}

void TsSkinableMenus::InitItem(TMenuItem* Item, bool Active) {
  if (!Item) return;
  if (Active) Item->SetSkinHooks(this);
  else if (Item->GetSkinHooks() == this) Item->SetSkinHooks(nullptr);
}

void TsSkinableMenus::HookItem(TMenuItem* Item, bool Active) {
  if (!Item) return;
  InitItem(Item, Active);
  for (int i = 0; i < Item->GetCount(); ++i) HookItem(Item->GetItem(i), Active);
}

void TsSkinableMenus::HookPopupMenu(TPopupMenu* Menu, bool Active) {
  if (!Menu) return;
  std::erase_if(FHooked, [Menu](const TComponentRef<TPopupMenu>& m) { return !m || m.Get() == Menu; });
  if (Active) {
    Menu->SetSkinHooks(this);
    FHooked.emplace_back(Menu);
  } else if (Menu->GetSkinHooks() == this) {
    Menu->SetSkinHooks(nullptr);
  }
  for (int i = 0; i < Menu->GetItems().GetCount(); ++i) HookItem(Menu->GetItems().GetItem(i), Active);
}

void TsSkinableMenus::InitMenuLine(TMainMenu* Menu, bool Active) {
  if (!Menu) return;
  HookItem(&Menu->GetItems(), Active);
  InitItem(&Menu->GetItems(), false);  // the root is no item of the bar
  Menu->Rebuild();
}

bool TsSkinableMenus::MenuLineHooked(TMainMenu& Menu) const {
  const auto hooked = [this](const TMenuItem& parent, const auto& self) -> bool {
    for (int i = 0; i < parent.GetCount(); ++i) {
      const TMenuItem& item = *parent.GetItem(i);
      if (item.GetSkinHooks() != this || !self(item, self)) return false;
    }
    return true;
  };
  return hooked(Menu.GetItems(), hooked);
}

void TsSkinableMenus::PaintMenuLine(TMainMenu& Menu, TBitmap32& WindowPicture) {
  HWND window = Menu.GetWindow();
  HMENU bar = Menu.GetHandle();
  if (!Skinned() || !window || !bar) return;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const TacMenuSkin skin = Skin();
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    RECT r{};
    if (!GetMenuItemInfoW(bar, static_cast<UINT>(i), TRUE, &info) || !(info.fType & MFT_OWNERDRAW) ||
        !GetMenuItemRect(window, bar, static_cast<UINT>(i), &r))
      continue;
    auto* item = reinterpret_cast<TMenuItem*>(info.dwItemData);
    if (!item || item->GetSkinHooks() != this) continue;
    OffsetRect(&r, -bounds.left, -bounds.top);
    const TRect at = CutToPicture({r.left, r.top, r.right, r.bottom}, WindowPicture);
    if (at.IsEmpty()) continue;
    TBitmap32 band(at.Width(), at.Height());
    CopyImage(band, {0, 0}, WindowPicture, at);
    const TBitmap32 picture = PaintMenuLineItem(band, Describe(*item), 0, false, skin, Raster(false));
    CopyImage(WindowPicture, {at.Left, at.Top}, picture, {0, 0, at.Width(), at.Height()});
  }
}

void TsSkinableMenus::DrawLineItem(TMenuItem& Item, HDC DC, const RECT& Rect, UINT State) {
  TMainMenu* menu = Item.GetMainMenu();
  HWND window = menu ? menu->GetWindow() : nullptr;
  if (!window) return;
  // The band under the item comes from the window's picture (in window coordinates, as the item's rectangle).
  TacBGInfo info;
  SendMessageW(window, SM_ALPHACMD, MakeAcmWParam(acmGetBgInfo), reinterpret_cast<LPARAM>(&info));
  const TRect rect{Rect.left, Rect.top, Rect.right, Rect.bottom};
  TBitmap32 band(rect.Width(), rect.Height());
  if (band.Empty()) return;
  if (info.BgType == btCache && info.Bitmap) {
    CopyImage(band, {0, 0}, *info.Bitmap, rect);
  } else {
    FillRect32(band, {0, 0, band.Width(), band.Height()}, info.Color, 255);
  }
  const int state = (State & ODS_SELECTED) ? 2 : (State & ODS_HOTLIGHT) ? 1 : 0;
  TacMenuItemDesc desc = Describe(Item);
  if (State & (ODS_GRAYED | ODS_DISABLED | ODS_INACTIVE)) desc.Enabled = false;
  const TBitmap32 picture = PaintMenuLineItem(band, desc, state, !(State & ODS_NOACCEL), Skin(), Raster(false));
  CopyToDC(picture, {0, 0}, DC, rect);
}

void TsSkinableMenus::InitItems(bool Active) {
  if (!Application) return;
  for (int i = 0; i < Application->GetComponentCount(); ++i) {
    auto* form = dynamic_cast<TForm*>(Application->GetComponent(i));
    if (!form || form->IsDestroying()) continue;
    for (int j = 0; j < form->GetComponentCount(); ++j)
      if (auto* menu = dynamic_cast<TPopupMenu*>(form->GetComponent(j))) HookPopupMenu(menu, Active);
  }
}

void TsSkinableMenus::SetActive(bool Active) {
  InitItems(Active);
  if (!Active) {
    for (const TComponentRef<TPopupMenu>& menu : std::vector<TComponentRef<TPopupMenu>>(FHooked))
      if (menu) HookPopupMenu(menu.Get(), false);
    ClearCache();
  }
}

void TsSkinableMenus::ClearCache() { FPopups.clear(); }

void TsSkinableMenus::BeforePopup(TPopupMenu& Menu) {
  if (&FManager != DefaultManager()) return;
  HookPopupMenu(&Menu, FManager.SkinnedPopups && Skinned());
}

void TsSkinableMenus::MeasureItem(TMenuItem& Item, int& Width, int& Height) {
  if (!Skinned()) return;
  const TacMenuItemDesc desc = Describe(Item);
  Raster(desc.Default);  // makes the font
  TsGdiTextMeasurer measurer((desc.Default ? FBoldFont : FFont).Get());
  const TSize size = Item.IsTopLine() ? MeasureLineItem(desc, Metrics(), measurer)
                                      : MeasureMenuItem(desc, Metrics(), true, InFirstColumn(Item), measurer);
  Width = size.cx;
  Height = size.cy;
}

TsSkinableMenus::TacMenuInfo& TsSkinableMenus::GetMenuInfo(TMenuItem& Parent, HWND Window) {
  TMenuItem* first = FirstVisible(Parent);
  const TSize windowSize = Window ? WindowSize(Window) : TSize{};
  auto found = std::find_if(FPopups.begin(), FPopups.end(), [&](const std::unique_ptr<TacMenuInfo>& info) {
    return info->FirstItem == first && info->Window == Window;
  });
  if (found != FPopups.end()) {
    if (!Window || ((*found)->Bg.Width() == windowSize.cx && (*found)->Bg.Height() == windowSize.cy))
      return **found;
    FPopups.erase(found);  // the window changed its size: prepared again
  }
  auto info = std::make_unique<TacMenuInfo>();
  info->FirstItem = first;
  info->Window = Window;
  const TacMenuMetrics m = Metrics();
  TacMenuBGParams params;
  params.GlyphWidth = kGlyphSize;
  params.ExtraLine = true;
  if (Window) {
    params.Width = windowSize.cx;
    params.Height = windowSize.cy;
    params.RightAligned = (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    RECT window{};
    GetWindowRect(Window, &window);
    POINT client{0, 0};
    ClientToScreen(Window, &client);
    info->ClientOffset = {client.x - window.left, client.y - window.top};
  } else {
    std::vector<TacMeasuredItem> measured;
    for (int i = 0; i < Parent.GetCount(); ++i) {
      TMenuItem& item = *Parent.GetItem(i);
      TacMeasuredItem entry;
      MeasureItem(item, entry.Size.cx, entry.Size.cy);
      entry.Break = Describe(item).Break;
      entry.Visible = item.GetVisible();
      measured.push_back(entry);
    }
    const TSize size = PopupSize(measured, m);
    params.Width = size.cx;
    params.Height = size.cy;
    info->ClientOffset = {BorderWidth, BorderWidth};
  }
  info->Bg = PrepareMenuBG(Skin(), m, params);
  FPopups.push_back(std::move(info));
  return *FPopups.back();
}

void TsSkinableMenus::DrawItem(TMenuItem& Item, HDC DC, const RECT& Rect, UINT State) {
  TMenuItem* parent = Item.GetParentItem();
  if (!Skinned() || !parent) return;
  if (Item.IsTopLine()) return DrawLineItem(Item, DC, Rect, State);
  HWND window = WindowFromDC(DC);
  TacMenuInfo& info = GetMenuInfo(*parent, IsMenuWindow(window) ? window : nullptr);
  const TacMenuMetrics m = Metrics();
  const TacMenuSkin skin = Skin();
  TacMenuItemPaint p;
  p.Item = Describe(Item);
  if (State & (ODS_GRAYED | ODS_DISABLED)) p.Item.Enabled = false;
  p.Selected = (State & ODS_SELECTED) != 0;
  p.Rect = {Rect.left + info.ClientOffset.X, Rect.top + info.ClientOffset.Y, Rect.right + info.ClientOffset.X,
            Rect.bottom + info.ClientOffset.Y};
  p.IconColumnLeft = IconColumnLeft(skin, m, true);
  p.IconColumnWidth = IconColumnWidth(m, kGlyphSize);
  const TBitmap32 picture = PaintMenuItem(info.Bg, p, skin, m, Raster(p.Item.Default));
  CopyToDC(picture, {0, 0}, DC, {Rect.left, Rect.top, Rect.right, Rect.bottom});
  const RECT drawn{p.Rect.Left, p.Rect.Top, p.Rect.Right, p.Rect.Bottom};
  if (std::none_of(info.Drawn.begin(), info.Drawn.end(), [&](const RECT& r) { return EqualRect(&r, &drawn); }))
    info.Drawn.push_back(drawn);
}

TWindowSubclass* TsSkinableMenus::PopupWindowSubclass(TPopupMenu& Menu) {
  if (!Skinned()) return nullptr;
  auto popup = std::make_unique<TacPopupWindow>();
  popup->Menu = &Menu;
  TacPopupWindow* raw = popup.get();
  popup->Subclass = std::make_unique<TWindowSubclass>([this, raw](TMessage& Message) { PopupMessage(*raw, Message); });
  FWindows.push_back(std::move(popup));
  return FWindows.back()->Subclass.get();
}

void TsSkinableMenus::PopupClosed(TPopupMenu& Menu) {
  std::erase_if(FWindows, [&](const std::unique_ptr<TacPopupWindow>& w) { return w->Menu == &Menu; });
  TMenuItem* first = FirstVisible(Menu.GetItems());
  std::erase_if(FPopups, [&](const std::unique_ptr<TacMenuInfo>& info) { return info->FirstItem == first; });
}

void TsSkinableMenus::PopupMessage(TacPopupWindow& Popup, TMessage& Message) {
  HWND window = Popup.Subclass->GetWindow();
  Popup.Subclass->CallDefault(Message);
  if (!Skinned() || !FirstVisible(Popup.Menu->GetItems())) return;
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW: UpdateRegion(GetMenuInfo(Popup.Menu->GetItems(), window), window); break;
    case WM_NCPAINT:
    case WM_PAINT: PaintFrame(Popup.Menu->GetItems(), window); break;
    default: break;
  }
}

void TsSkinableMenus::UpdateRegion(TacMenuInfo& Info, HWND Window) {
  const TSize size{Info.Bg.Width(), Info.Bg.Height()};
  if (size == Info.RegionSize) return;
  Info.RegionSize = size;
  TOwnedRegion region(CreateRectRgn(0, 0, size.cx, size.cy));
  for (const TRect& cut : MenuRegionCuts(Skin(), size.cx, size.cy)) {
    const TOwnedRegion piece(CreateRectRgn(cut.Left, cut.Top, cut.Right, cut.Bottom));
    CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_DIFF);
  }
  // From here on the region is the system's.
  if (region && SetWindowRgn(Window, region.Get(), TRUE)) region.Release();
}

void TsSkinableMenus::PaintFrame(TMenuItem& Parent, HWND Window) {
  TacMenuInfo& info = GetMenuInfo(Parent, Window);
  const TWindowDC dc(Window);
  if (!dc.Get()) return;
  for (const RECT& r : info.Drawn) ExcludeClipRect(dc.Get(), r.left, r.top, r.right, r.bottom);
  CopyToDC(info.Bg, {0, 0}, dc.Get(), {0, 0, info.Bg.Width(), info.Bg.Height()});
}
