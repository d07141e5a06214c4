#pragma once
// The notification-area icon: one icon in the shell's notification area,
// mouse actions on it turned into events, restoring or minimising the
// application on chosen actions, a popup menu, icon animation through an
// image list, and balloon notices.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "base/private_messages.h"
#include "framework/component.h"
#include "framework/graphics.h"
#include "framework/image_list.h"
#include "framework/input.h"
#include "framework/menus.h"
#include "framework/timer.h"
#include "framework/utility_window.h"

enum TTrayIconMessage {
  imClick, imDoubleClick, imMouseDown, imMouseUp, imLeftClickUp,
  imLeftDoubleClick, imRightClickUp, imRightDoubleClick, imNone
};

// The shell's callback message for this icon, and the balloon-click notice.

class TTrayIcon : public TComponent {
 public:
  explicit TTrayIcon(TComponent* AOwner);
  ~TTrayIcon() override;

  bool GetVisible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  const std::wstring& GetHint() const { return FHint; }
  void SetHint(const std::wstring& Value);
  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }
  TTrayIconMessage GetRestoreOn() const { return FRestoreOn; }
  void SetRestoreOn(TTrayIconMessage Value) { FRestoreOn = Value; }
  TTrayIconMessage GetPopupMenuOn() const { return FPopupMenuOn; }
  void SetPopupMenuOn(TTrayIconMessage Value) { FPopupMenuOn = Value; }
  TImageList* GetIcons() const { return FIcons; }
  void SetIcons(TImageList* Value) { FIcons = Value; }
  int GetIconIndex() const { return FIconIndex; }
  virtual void SetIconIndex(int Value);
  bool GetAnimate() const { return FAnimate; }
  void SetAnimate(bool Value);
  unsigned GetAnimateInterval() const { return FTimer->GetInterval(); }
  void SetAnimateInterval(unsigned Value) { FTimer->SetInterval(Value); }
  HWND GetHandle() const { return FWindow->GetHandle(); }
  HICON GetCurrentIcon() const { return FIcon.GetHandle(); }
  // The record as last handed to the shell.
  const NOTIFYICONDATAW& GetIconData() const { return FIconData; }

  virtual void ShowBalloon(const std::wstring& Title, const std::wstring& Text, HICON Icon = nullptr);
  virtual void Minimize();
  virtual void Restore();
  virtual void Update();
  virtual void ShowMenu();
  virtual void SetDefaultIcon();
  void EndSession();
  static TShiftState ShiftState();
  bool ApplicationHookProc(TMessage& Message);

  void Loaded() override;

  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

 protected:
  virtual void DoMessage(TMessage& Message);
  virtual void DoClick();
  virtual void DoDblClick();
  virtual void DoMouseMove(TShiftState Shift, int X, int Y);
  virtual void DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoOnAnimate();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DoShellNotification(UINT MouseMessage);
  void ActOn(TTrayIconMessage Action);

  bool FVisible = false;
  std::wstring FHint;
  TPopupMenu* FPopupMenu = nullptr;
  TTrayIconMessage FRestoreOn = imDoubleClick;
  TTrayIconMessage FPopupMenuOn = imNone;
  TImageList* FIcons = nullptr;
  int FIconIndex = 0;
  bool FAnimate = false;
  int FHookId = 0;
  TIcon FIcon;
  NOTIFYICONDATAW FIconData{};
  std::unique_ptr<TTimer> FTimer;
  std::unique_ptr<TUtilityWindow> FWindow;
  const UINT FTaskbarCreated;
};
