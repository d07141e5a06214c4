#include "skin/forms/dialog_provider.h"

#include <cwctype>
#include <string>

#include "skin/controls/adapters/btn_wnd.h"
#include "skin/controls/adapters/check_wnd.h"
#include "skin/controls/adapters/static_wnd.h"
#include "skin/controls/scroll/edit_wnd_win.h"
#include "skin/controls/scroll/sb_wnd_win.h"
#include "skin/win/skin_messages.h"

namespace {

std::wstring LowerClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  std::wstring lower = name;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower;
}

}  // namespace

TacProvider::TacProvider(HWND Window, TsSkinManager* Manager) : FWindow(Window), FManager(Manager) {}

TacProvider::~TacProvider() { Unskin(); }

bool TacProvider::InitSkin() {
  if (FDialog || Destroyed()) return false;
  auto dialog = std::make_unique<TacDialogWnd>(FWindow, FManager, TacSkinParams{});
  if (!dialog->Attach()) return false;
  FDialog = std::move(dialog);
  FDialog->OnInitialized = [this] { InitHwndControls(); };
  HookedDialogWindows().Add(FWindow);
  // Skinned again after the dialog was set up: its children are there now.
  if (GetWindow(FWindow, GW_CHILD)) {
    InitHwndControls();
    FDialog->Prepare();
  }
  return true;
}

void TacProvider::Unskin() {
  HookedDialogWindows().Remove(FWindow);
  if (FDialog && FDialog->Destroyed()) FDestroyed = true;
  FControls.clear();
  FDialog.reset();
}

void TacProvider::InitHwndControls() {
  struct TScan {
    TacProvider* Self;
  } scan{this};
  EnumChildWindows(
      FWindow,
      [](HWND child, LPARAM data) -> BOOL {
        auto* self = reinterpret_cast<TScan*>(data)->Self;
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) && !GetBoolMsg(child, acmIsHandled))
          if (auto adapter = self->AddControl(child)) self->FControls.push_back(std::move(adapter));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&scan));
}

std::unique_ptr<TacMainWnd> TacProvider::AddControl(HWND Child) {
  const std::wstring name = LowerClassName(Child);
  const LONG_PTR style = GetWindowLongPtrW(Child, GWL_STYLE);
  const bool staticEdge = (GetWindowLongPtrW(Child, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0;
  std::unique_ptr<TacMainWnd> adapter;
  TacSkinParams params;
  if (name == L"static") {
    const LONG_PTR type = style & SS_TYPEMASK;
    const bool picture = type == SS_ICON || type >= SS_BITMAP;
    if (picture && !staticEdge) {
      adapter = std::make_unique<TacIconWnd>(Child, FManager, params);
    } else if (!picture && type != SS_OWNERDRAW && type != SS_GRAYRECT && type != SS_WHITERECT &&
               type != SS_SIMPLE && !staticEdge) {
      adapter = std::make_unique<TacStaticWnd>(Child, FManager, params);
    }
  } else if (name == L"button" || name == L"tbutton") {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX: adapter = std::make_unique<TacGroupBoxWnd>(Child, FManager, params); break;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: adapter = std::make_unique<TacCheckBoxWnd>(Child, FManager, params); break;
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: adapter = std::make_unique<TacBtnWnd>(Child, FManager, params); break;
      default: break;
    }
  } else if (name == L"link window" || name == L"syslink") {
    adapter = std::make_unique<TacLinkWnd>(Child, FManager, params);
  } else if ((name == L"edit" && (style & ES_MULTILINE)) || name == L"listbox") {
    adapter = std::make_unique<TacEditWnd>(Child, FManager, params);
  } else if (name == L"scrollbar" && !(style & (SBS_SIZEBOX | SBS_SIZEGRIP))) {
    adapter = std::make_unique<TacSBWnd>(Child, FManager, params);
  }
  if (adapter && !adapter->Attach()) adapter.reset();
  return adapter;
}
