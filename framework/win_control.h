#pragma once
// Windowed controls: each owns one window. The window's messages arrive
// through the control's subclass of the window (the one hook path, see
// window_subclass.h), pass the skin's hooks when a skin has set them, then
// WindowProc (by default WndProc), are dispatched by number to virtual
// handlers, and whatever is left goes down the window's chain (the system
// class's own procedure, or DefWindowProc for the framework's class).
#include <vector>

#include "base/win_handles.h"
#include "framework/control.h"
#include "framework/skin_hooks.h"
#include "framework/window_subclass.h"

struct TCreateParams {
  const wchar_t* ClassName = nullptr;  // nullptr: the framework's own class
  DWORD Style = 0;
  DWORD ExStyle = 0;
  HWND WndParent = nullptr;
  UINT_PTR ControlId = 0;  // a child window's identifier (GetDlgCtrlID); 0: none
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  HWND GetHandle();  // creates the window on first use
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Moves the window under the new parent's window too.
  void SetParent(TWinControl* AParent) override;

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

  // The skin's hooks into this control (borrowed; nullptr: none).
  TSkinHooks* GetSkinHooks() const { return FSkinHooks; }
  void SetSkinHooks(TSkinHooks* Hooks) { FSkinHooks = Hooks; }

  // Paints the client area (background and windowless children) into DC
  // through the back buffer, as WM_PAINT and WM_PRINTCLIENT do.
  void PaintTo(HDC DC, const RECT& Area);

  // The control behind a window of the framework, or nullptr.
  static TWinControl* FromHandle(HWND Window);
  // Back buffers made so far by all controls (each control keeps one and
  // makes a new one only when its size changes).
  static int BackBuffersMade();

 protected:
  friend class TControl;
  virtual void CreateParams(TCreateParams& Params);
  // Creates the window; its subclass is attached before its first message.
  virtual void CreateWnd();
  // Destroys the window while the control is whole: every handler and hook
  // sees its messages down to WM_NCDESTROY.
  void DestroyHandle();
  void BeforeDestruction() override;

  bool IsWindowed() const override { return true; }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // Handlers by message number.
  virtual void WMPaint(TMessage& Message);
  virtual void WMPrintClient(TMessage& Message);
  virtual void WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }
  virtual void WMSize(TMessage& Message);
  virtual void WMCommand(TMessage& Message);
  virtual void WMCtlColor(TMessage& Message);
  // An owner-drawn button's WM_DRAWITEM goes to the button as CN_DRAWITEM.
  void WMDrawItem(TMessage& Message);
  virtual void WMNCDestroy(TMessage& Message);
  // Turns the window's mouse moves and leaves into CM_MOUSEENTER / CM_MOUSELEAVE.
  void TrackMouse(TMessage& Message);
  // Hands the mouse messages over a windowless child (or the one that holds
  // the mouse) to it; true when one took the message.
  bool RouteMouse(TMessage& Message);

  // Paints the background and the windowless children (into the back buffer).
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
  void TakeWindowText();
  // Every message of the window comes here first.
  void MainWndProc(TMessage& Message);
  void WindowCreated(HWND Window);
  void ReleaseSkinHooks();
  // The topmost visible windowless child at a client point.
  TControl* GraphicControlAt(POINT Point) const;
  // The windowless child under the mouse changes: leave the old, enter the new.
  void SetMouseControl(TControl* Control);

  HWND FHandle = nullptr;
  bool FOwnClass = false;  // the framework's window class, painted by the framework
  bool FTakingWindowText = false;  // the window's own text is being taken as the control's
  TWindowSubclass FSubclass;
  std::vector<TControl*> FControls;
  int FTabOrder = -1;
  bool FTabStop = false;
  bool FMouseInside = false;  // between CM_MOUSEENTER and CM_MOUSELEAVE
  TComponentRef<TControl> FMouseControl;    // the windowless child under the mouse
  TComponentRef<TControl> FCaptureControl;  // the windowless child the left button holds
  TSkinHooks* FSkinHooks = nullptr;
  TOwnedBrush FBackgroundBrush;
  COLORREF FBackgroundBrushColor = 0;
  TOwnedBitmap FBackBuffer;
  SIZE FBackBufferSize{0, 0};
};
