#include "skin/controls/adapters/main_wnd.h"

#include "skin/paint/fills.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/paint_item.h"
#include "skin/win/skin_manager.h"

std::wstring WindowText(HWND Window) {
  const int length = GetWindowTextLengthW(Window);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(Window, text.data(), length + 1)));
  return text;
}

TacMainWnd::TacMainWnd(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params)
    : FWindow(Window), FSkinData(nullptr, true) {
  FSkinData.AdaptedWindow = Window;
  FSkinData.OwnerControl = Params.Control;
  FSkinData.OwnerObject = Params.Control;
  FSkinData.SetSkinManager(Manager);
  FSkinData.CustomFont = !Params.UseSkinFont;
  FSkinData.CustomColor = !Params.UseSkinColor;
  if (!Params.SkinSection.empty()) FSkinData.SetSkinSection(Params.SkinSection);
  FWndText = WindowText(Window);
}

TacMainWnd::~TacMainWnd() { Detach(); }

TsSkinManager* TacMainWnd::Manager() const { return FSkinData.GetSkinManager(); }

TacMainWnd* TacMainWnd::Of(HWND Window) { return static_cast<TacMainWnd*>(GetPropW(Window, kAdapterProperty)); }

bool TacMainWnd::SkinActive() const { return FSkinData.Skinned(true); }

bool TacMainWnd::Attach() {
  if (Attached() || !IsWindow(FWindow) || GetPropW(FWindow, kAdapterProperty)) return false;
  if (FSkinData.GetSkinSection().empty()) FSkinData.SetSkinSection(DefaultSection());
  auto subclass = std::make_unique<TWindowSubclass>([this](TMessage& m) { WndProc(m); });
  if (!subclass->Attach(FWindow)) return false;
  FSubclass = std::move(subclass);
  FChainProc = GetWindowLongPtrW(FWindow, GWLP_WNDPROC);
  SetPropW(FWindow, kAdapterProperty, this);
  FSkinData.Loading = false;
  FSkinData.UpdateIndexes();
  FSkinData.BackgroundChanged = true;
  SaveStdParams();
  return true;
}

void TacMainWnd::Detach() {
  if (!FSubclass) return;
  std::unique_ptr<TWindowSubclass> subclass = std::move(FSubclass);
  if (!subclass->Attached()) return;
  if (GetPropW(FWindow, kAdapterProperty) == this) RemovePropW(FWindow, kAdapterProperty);
  // A procedure set over the chain after the adapter joined would lose its
  // way back if the chain's last subclass left now: the subclass stays and
  // only passes messages on until the window's end.
  if (GetWindowLongPtrW(FWindow, GWLP_WNDPROC) != FChainProc) subclass.release()->LeaveInChain();
  else subclass.reset();
  RestoreStdParams();
  if (IsWindowVisible(FWindow))
    SetWindowPos(FWindow, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(FWindow, nullptr, TRUE);
}

void TacMainWnd::CallPrev(TMessage& Message) {
  if (FSubclass) FSubclass->CallDefault(Message);
  else Message.Result = DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

void TacMainWnd::CallPrev(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  CallPrev(message);
}

RECT TacMainWnd::ClientRect() const {
  RECT r{};
  GetClientRect(FWindow, &r);
  return r;
}

void TacMainWnd::RedrawNow() const {
  RedrawWindow(FWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_NOERASE);
}

void TacMainWnd::PassQuietly(TMessage& Message) {
  const bool visible = IsWindowVisible(FWindow) != FALSE;
  if (visible) SendMessageW(FWindow, WM_SETREDRAW, FALSE, 0);
  CallPrev(Message);
  if (Message.Msg == WM_SETTEXT && IsWindow(FWindow)) FWndText = WindowText(FWindow);
  if (!visible || !IsWindow(FWindow)) return;
  SendMessageW(FWindow, WM_SETREDRAW, TRUE, 0);
  FSkinData.BackgroundChanged = true;
  RedrawNow();
}

TCacheInfo TacMainWnd::ParentBackground(TBitmap32& Cache) const {
  const TCacheInfo parent = GetParentCacheHwnd(FWindow);
  const TColor fill = parent.FillColor == sFuchsia ? Manager()->Model.GetGlobalColor() : parent.FillColor;
  if (!parent.Ready) FillRect32(Cache, {0, 0, Cache.Width(), Cache.Height()}, ColorToRGB(fill), 255);
  return parent;
}

bool TacMainWnd::PaintSection(int State) {
  if (!SkinActive()) return false;
  FSkinData.InitCacheBmp();
  TBitmap32& cache = *FSkinData.CacheBitmap;
  if (cache.Empty()) return false;
  const TCacheInfo parent = ParentBackground(cache);
  PaintItem(&Manager()->Model, FSkinData.SkinIndex, parent, State, {0, 0, cache.Width(), cache.Height()},
            {0, 0}, cache, {FSkinData.ColorTone, FSkinData.HUEOffset, FSkinData.Saturation});
  FSkinData.BackgroundChanged = false;
  return true;
}

void TacMainWnd::CopyCache(HDC DC) const {
  const TBitmap32* cache = FSkinData.CacheBitmap.get();
  if (!cache || cache->Empty()) return;
  const TRect all{0, 0, cache->Width(), cache->Height()};
  if (DC) return CopyToDC(*cache, {0, 0}, DC, all);
  HDC own = GetDC(FWindow);
  CopyToDC(*cache, {0, 0}, own, all);
  ReleaseDC(FWindow, own);
}

HFONT TacMainWnd::TextFont() {
  if (auto font = reinterpret_cast<HFONT>(SendMessageW(FWindow, WM_GETFONT, 0, 0))) return font;
  if (!FMessageFont) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      FMessageFont = TOwnedFont(CreateFontIndirectW(&metrics.lfMessageFont));
  }
  return FMessageFont.Get();
}

void TacMainWnd::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCDESTROY:
      // The window's end: the rest of the chain hears of it and the subclass
      // leaves the chain by itself; its owner frees the adapter later.
      FDestroyed = true;
      if (GetPropW(FWindow, kAdapterProperty) == this) RemovePropW(FWindow, kAdapterProperty);
      CallPrev(Message);
      return;
    case WM_SIZE:
      FSkinData.BackgroundChanged = true;
      break;
    case WM_SETTEXT:
      CallPrev(Message);
      FWndText = WindowText(FWindow);
      FSkinData.BackgroundChanged = true;
      return;
    case SM_ALPHACMD:
      SkinCommand(Message);
      return;
    default: break;
  }
  CallPrev(Message);
}

void TacMainWnd::SkinCommand(TMessage& Message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(Message.LParam) == Manager();
  switch (AcmCode(Message.WParam)) {
    case acmIsHandled: Message.Result = 1; return;
    case acmGetCommonData: Message.Result = reinterpret_cast<LRESULT>(&FSkinData); return;
    case acmNewSkin:
    case acmRefresh:
      if (!ours) break;
      FSkinData.UpdateIndexes();
      FSkinData.BackgroundChanged = true;
      if (IsWindowVisible(FWindow)) InvalidateRect(FWindow, nullptr, FALSE);
      return;
    case acmRemoveSkin:
      if (ours) RestoreStdParams();
      break;
    case acmGetBgInfo:
      if (auto* info = reinterpret_cast<TacBGInfo*>(Message.LParam)) InitBGInfo(FSkinData, *info, 0, FWindow);
      return;
    case acmGetBgColor:
      Message.Result = static_cast<LRESULT>(ColorToRGB(FSkinData.GetBGColor(0, FWindow)));
      return;
    default: break;
  }
  CallPrev(Message);
}
