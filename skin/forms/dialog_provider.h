#pragma once
// The skinning of one system dialog: the frame adapter on the dialog and a
// window adapter on each child control, chosen by its class.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/controls/adapters/main_wnd.h"
#include "skin/forms/dialog_wnd.h"

class TacProvider {
 public:
  TacProvider(HWND Window, TsSkinManager* Manager);
  TacProvider(const TacProvider&) = delete;
  TacProvider& operator=(const TacProvider&) = delete;
  ~TacProvider();

  HWND Window() const { return FWindow; }
  // Puts the frame adapter on the dialog and, once the dialog has its
  // children, their adapters; false (nothing attached) when it cannot.
  bool InitSkin();
  // Takes every adapter off again; the dialog looks as the system draws it.
  void Unskin();
  bool Skinned() const { return FDialog != nullptr; }
  // The dialog's window is gone.
  bool Destroyed() const { return FDestroyed || !IsWindow(FWindow); }
  // Adapts every child window of the dialog (depth first) not adapted yet.
  void InitHwndControls();
  // The adapter a child window gets by its class and style, attached; nullptr for none.
  std::unique_ptr<TacMainWnd> AddControl(HWND Child);
  size_t ControlCount() const { return FControls.size(); }

 private:
  HWND FWindow;
  TsSkinManager* FManager;
  std::unique_ptr<TacDialogWnd> FDialog;
  std::vector<std::unique_ptr<TacMainWnd>> FControls;
  bool FDestroyed = false;
};
