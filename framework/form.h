#pragma once
// Forms: top-level windows with a border style, border icons, a window
// state, a caption and a close query.
#include <functional>

#include "base/form_kinds.h"
#include "framework/main_menu.h"
#include "framework/win_control.h"

using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TWindowState GetWindowState() const;
  void SetWindowState(TWindowState Value);

  const std::wstring& GetCaption() const { return FText; }
  void SetCaption(std::wstring Value) { SetText(std::move(Value)); }

  int GetClientWidth() const { return GetClientRect().right; }
  int GetClientHeight() const { return GetClientRect().bottom; }
  // Resizes the window so that its client area has this size.
  void SetClientSize(int AWidth, int AHeight);

  // Asks OnCloseQuery, and on consent closes the form; closing the main
  // form ends the application's message loop.
  void Close();
  virtual bool CloseQuery();

  // The main menu shown as the window's bar; nullptr for none.
  TMainMenu* GetMenu() const { return FMenu.Get(); }
  void SetMenu(TMainMenu* Value);

  // Called by the application once construction has finished.
  virtual void AfterConstruction();

  TNotifyEvent OnCreate;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnClose;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void VisibleChanged() override;
  virtual void WMClose(TMessage& Message);
  virtual void WMSysCommand(TMessage& Message);
  virtual void WMActivate(TMessage& Message);
  // The session ends, or an installer or the restart manager asks the
  // program to make way (ENDSESSION_CLOSEAPP): the main form closes without
  // asking, and the application ends through its loop.
  void WMEndSession(TMessage& Message);
  // DM_GETDEFID, asked by the dialog keys on Enter: the enabled, visible
  // default button, as a dialog answers it.
  LRESULT DefaultButtonId();

 private:
  void ApplyFrameStyle();
  DWORD FrameStyle() const;
  DWORD FrameExStyle() const;

  TBorderStyle FBorderStyle = bsSizeable;
  TComponentRef<TMainMenu> FMenu;
  TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TWindowState FWindowState = wsNormal;
  HWND FFocusedChild = nullptr;  // given the focus back when the form is activated again
};
