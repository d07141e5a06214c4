#include "framework/button.h"

#include <algorithm>
#include <functional>

namespace {

// Button identifiers above the dialog commands (IDOK .. IDCONTINUE), unique
// among the buttons alive at once.
UINT_PTR NextControlId() {
  static UINT_PTR next = 0x100;
  const UINT_PTR id = next;
  next = next >= 0x7FFF ? 0x100 : next + 1;
  return id;
}

void ForEachButton(TWinControl* Parent, const std::function<void(TButton&)>& Visit) {
  for (int i = 0; i < Parent->GetControlCount(); ++i) {
    TControl* control = Parent->GetControl(i);
    if (control->IsDestroying()) continue;
    if (auto* button = dynamic_cast<TButton*>(control)) Visit(*button);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) ForEachButton(windowed, Visit);
  }
}

}  // namespace

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner), FControlId(NextControlId()) { SetTabStop(true); }

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.ClassName = L"BUTTON";
  Params.ControlId = FControlId;
  if (OwnerDrawStyle())
    Params.Style |= BS_OWNERDRAW;
  else
    Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

bool TButton::IsOwnerDrawn() {
  if (!HandleAllocated()) return OwnerDrawStyle();
  return (GetWindowLongPtrW(GetHandle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  if (!HandleAllocated()) return;
  if (!IsOwnerDrawn()) SendMessageW(GetHandle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  FocusChanged(GetFocus());
}

void TButton::SetButtonStyle(bool ADefault) {
  if (FActiveDefault == ADefault) return;
  FActiveDefault = ADefault;
  Invalidate();
}

void TButton::FocusChanged(HWND NewFocus) {
  HWND root = HandleAllocated() ? GetAncestor(GetHandle(), GA_ROOT) : nullptr;
  TWinControl* form = root ? FromHandle(root) : nullptr;
  if (!form) return;
  auto* focused = dynamic_cast<TButton*>(NewFocus ? FromHandle(NewFocus) : nullptr);
  ForEachButton(form, [&](TButton& button) {
    button.SetButtonStyle(focused ? &button == focused : button.FDefault);
  });
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) {
        Click();
        return;
      }
      break;
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TWinControl::Dispatch(Message);
      FocusChanged(Message.Msg == WM_SETFOCUS ? GetHandle() : reinterpret_cast<HWND>(Message.WParam));
      return;
    case WM_GETDLGCODE:
      // Enter presses the focused owner-drawn button, as it presses a
      // focused push button of a dialog.
      if (IsOwnerDrawn()) {
        Message.Result = DLGC_BUTTON | (FActiveDefault && Focused() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return;
      }
      break;
    case BM_SETSTYLE:
      // The dialog manager makes the button it focuses a default push
      // button: an owner-drawn one stays owner-drawn, its look follows the focus.
      if (IsOwnerDrawn()) Message.WParam = (Message.WParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
      break;
  }
  TWinControl::Dispatch(Message);
}

RECT TButton::DrawClassicFace(HDC DC, RECT Client, bool Pressed, bool Focused, bool Disabled, bool ActiveDefault,
                              bool ShowFocusRect) {
  RECT r = Client;
  if (ActiveDefault || Focused) {
    FrameRect(DC, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  if (Pressed) {
    const TOwnedBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    FillRect(DC, &r, face.Get());
    FrameRect(DC, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&r, -1, -1);
  } else {
    DrawFrameControl(DC, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Disabled ? DFCS_INACTIVE : 0));
  }
  if (ActiveDefault) {
    r = Client;
    InflateRect(&r, -1, -1);
    if (Pressed) OffsetRect(&r, 1, 1);
  }
  if (ActiveDefault && Focused && ShowFocusRect) {
    RECT focus = Client;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(DC, &focus);
  }
  return r;
}

void TButton::DrawClassicCaption(HDC DC, const std::wstring& Text, RECT Rect, HFONT Font, UINT Format,
                                 bool Enabled) {
  if (Text.empty()) return;
  const TSelectObject font(DC, Font);
  const int mode = SetBkMode(DC, TRANSPARENT);
  if (Enabled) {
    SetTextColor(DC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
  } else {
    RECT moved = Rect;
    OffsetRect(&moved, 1, 1);
    SetTextColor(DC, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &moved, Format);
    SetTextColor(DC, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
  }
  SetBkMode(DC, mode);
}

void TButton::DrawItem(const DRAWITEMSTRUCT& Item) {
  const bool pressed = Item.itemState & ODS_SELECTED;
  const bool enabled = !(Item.itemState & ODS_DISABLED);
  const RECT content = DrawClassicFace(Item.hDC, Item.rcItem, pressed, Item.itemState & ODS_FOCUS, !enabled,
                                 FActiveDefault);
  DrawClassicCaption(Item.hDC, GetText(), content, GetFont().GetHandle(),
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE, enabled);
}

void TBitBtn::SetGlyph(HBITMAP Value) {
  FGlyph.Reset(Value);
  GlyphChanged();
}

void TBitBtn::SetNumGlyphs(int Value) {
  Value = std::max(1, Value);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  GlyphChanged();
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  GlyphChanged();
}

void TBitBtn::SetMargin(int Value) {
  if (FMargin == Value) return;
  FMargin = Value;
  GlyphChanged();
}

void TBitBtn::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  GlyphChanged();
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TCheckBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.ClassName = L"BUTTON";
  Params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (HandleAllocated()) SendMessageW(GetHandle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::GetChecked() const {
  if (!HandleAllocated()) return FChecked;
  return SendMessageW(const_cast<TCheckBox*>(this)->GetHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool Value) {
  FChecked = Value;
  if (HandleAllocated()) SendMessageW(GetHandle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) {
        FChecked = GetChecked();
        Click();
      }
      return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
      // Transparent on the parent's colour.
      HDC dc = reinterpret_cast<HDC>(Message.WParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColorToRGB(GetFont().GetColor()));
      Message.Result = GetParent() ? reinterpret_cast<LRESULT>(GetParent()->GetBackgroundBrush()) : 0;
      return;
    }
    default: TWinControl::Dispatch(Message);
  }
}
