#pragma once
// Windowed controls: each owns one window. Messages to the window arrive
// at WindowProc (by default WndProc), are dispatched by number to virtual
// handlers, and whatever is left goes to the window's saved procedure (the
// system class's own, or DefWindowProc for the framework's classes).
#include <vector>

#include "framework/control.h"

struct TCreateParams {
  const wchar_t* ClassName = nullptr;  // nullptr: the framework's own class
  DWORD Style = 0;
  DWORD ExStyle = 0;
  HWND WndParent = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  HWND GetHandle();  // creates the window on first use
  bool HandleAllocated() const { return FHandle != nullptr; }

  int GetControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* GetControl(int Index) const { return FControls.at(static_cast<size_t>(Index)); }

  int GetTabOrder() const { return FTabOrder; }
  void SetTabOrder(int Value);
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool Value);

  void SetFocus();
  bool Focused() const;
  RECT GetClientRect() const;

  void Invalidate() override;
  // The window's own text once it exists (an edit's contents, for example).
  std::wstring GetText() const override;
  // Lays out the children whose Align asks for it.
  void AlignControls();

  // A brush of the control's own colour, for children painting on it.
  HBRUSH GetBackgroundBrush();

  // The control behind a window of the framework, or nullptr.
  static TWinControl* FromHandle(HWND Window);

 protected:
  friend class TControl;
  virtual void CreateParams(TCreateParams& Params);
  // Creates the window; system classes are subclassed here.
  virtual void CreateWnd();
  void DestroyHandle();

  bool IsWindowed() const override { return true; }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // Handlers by message number.
  virtual void WMPaint(TMessage& Message);
  virtual void WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }
  virtual void WMSize(TMessage& Message);
  virtual void WMCommand(TMessage& Message);
  virtual void WMCtlColor(TMessage& Message);
  virtual void WMNCDestroy(TMessage& Message);
  // Turns the window's mouse moves and leaves into CM_MOUSEENTER / CM_MOUSELEAVE.
  void TrackMouse(TMessage& Message);

  // Paints the background and the windowless children (double-buffered).
  virtual void PaintWindow(TCanvas& Canvas);

  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  void UpdateTabOrder();
  static LRESULT CALLBACK StdWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  int FTabOrder = -1;
  bool FTabStop = false;
  bool FMouseInside = false;  // between CM_MOUSEENTER and CM_MOUSELEAVE
  TOwnedBrush FBackgroundBrush;
  COLORREF FBackgroundBrushColor = 0;
};
