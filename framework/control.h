#pragma once
// Controls: components with a place on a parent window. Windowed controls
// (TWinControl) own a window; windowless ones (TGraphicControl) are painted
// by their parent into the parent's window.
#include <functional>
#include <string>

#include "framework/component.h"
#include "framework/graphics.h"
#include "framework/input.h"
#include "framework/messages.h"

class TWinControl;

enum TAlign { alNone, alClient };

// A control's message handling; replaceable so that other objects can look
// at (and pass on) every message a control receives.
using TWndMethod = std::function<void(TMessage&)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  RECT GetBoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }

  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool GetVisible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  bool GetEnabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  // The control's text: a caption, or an edit's contents.
  virtual std::wstring GetText() const { return FText; }
  virtual void SetText(std::wstring Value);

  TFont& GetFont() { return FFont; }
  const TFont& GetFont() const { return FFont; }

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  // The control takes its parent's font (cleared by any change of its own font).
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  virtual void Invalidate();
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

  TWndMethod WindowProc;
  TNotifyEvent OnClick;

 protected:
  friend class TWinControl;
  virtual void WndProc(TMessage& Message) { Dispatch(Message); }
  // Message dispatch by number to the virtual handlers; unhandled messages
  // go to DefaultHandler.
  virtual void Dispatch(TMessage& Message) { DefaultHandler(Message); }
  virtual void DefaultHandler(TMessage& Message) {}
  virtual void Click();
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void TextChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  // Windowless controls draw themselves here, in their own coordinates.
  virtual void Paint(TCanvas& Canvas) {}
  virtual bool IsWindowed() const { return false; }
  // The parent's font has changed: controls with ParentFont follow it.
  void ParentFontChanged();
  // The window has moved or been resized from outside: record where it is now.
  void StoreBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FLeft = ALeft; FTop = ATop; FWidth = AWidth; FHeight = AHeight;
  }

  std::wstring FText;

 private:
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  bool FParentFont = true;
  bool FSettingParentFont = false;
  TColor FColor = clBtnFace;
  TFont FFont;
};

// A windowless control painted by its parent (WM_PAINT with the parent's DC,
// its origin moved to the control). Its parent hands it the mouse
// messages over it (in its own coordinates; the left button captures the
// mouse for it until released) and CM_MOUSEENTER / CM_MOUSELEAVE.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  // Paints the control's part of the parent's window at once.
  void Repaint();
  // Between CM_MOUSEENTER and CM_MOUSELEAVE.
  bool GetMouseInControl() const { return FMouseInControl; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void Dispatch(TMessage& Message) override;
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {}
  virtual void MouseMove(TShiftState Shift, int X, int Y) {}
  // A release of the left button over the control clicks it (after MouseUp).
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {}
  virtual void MouseEnter();
  virtual void MouseLeave();

 private:
  bool FMouseInControl = false;
};
