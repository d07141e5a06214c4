// A stage for pictures of skin effects the program shows too briefly or not
// at all: a window dressed like the login window (the internal skin, its
// frame, two fields and the sign-in button) at 200, 160 on the screen,
// shown as the command line says:
//   show-hold N  its show animation (240 ms, with zoom) stops at frame N and
//                leaves that frame on its cover window; the window itself is
//                then hidden, as its alpha of 1 hides it during a show where
//                layered windows are composed (Wine draws it opaque);
//   menu         with a main menu of three items on its bar.
// It runs until its window is closed. Used by scripts/shots only.
#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/application.h"
#include "framework/main_menu.h"
#include "skin/controls/basic/edit.h"
#include "skin/controls/buttons/skinned_bit_btn.h"
#include "skin/forms/form_animations.h"
#include "skin/forms/skin_provider.h"
#include "tests/support/internal_skin_manager.h"

namespace {

bool gWithMenu = false;

class TStageForm : public TForm {
 public:
  explicit TStageForm(TComponent* AOwner) : TForm(AOwner) {
    Manager = NewInternalSkinManager(this);
    SetCaption(gWithMenu ? L"蓝鹊商务版 菜单" : L"蓝鹊商务版 动画");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    new TsSkinProvider(this);
    for (int i = 0; i < 2; ++i) {
      auto* edit = new TsEdit(this);
      edit->SetBounds(112, 112 + 24 * i, 121, 21);
      edit->SetParent(this);
    }
    auto* button = new TsBitBtn(this);
    button->SetBounds(224, 192, 75, 25);
    button->SetSkinSection("BUTTON");
    button->SetCaption(L"登陆");
    button->SetParent(this);
    if (gWithMenu) AddMenu();
    SetClientSize(305, 222);
    SetBounds(200, 160, GetWidth(), GetHeight());
  }
  TsSkinManager* Manager = nullptr;

 private:
  void AddMenu() {
    auto* menu = new TMainMenu(this);
    for (const wchar_t* caption : {L"文件(&F)", L"设置(&S)", L"帮助(&H)"}) {
      auto* top = new TMenuItem(this);
      top->SetCaption(caption);
      menu->GetItems().Add(top);
      for (const wchar_t* sub : {L"打开", L"-", L"退出"}) {
        auto* item = new TMenuItem(this);
        item->SetCaption(sub);
        top->Add(item);
      }
    }
    SetMenu(menu);
  }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  TApplication application;
  application.Initialize();
  gWithMenu = mode == L"menu";
  TStageForm* form = application.CreateForm<TStageForm>();
  if (mode == L"show-hold") {
    form->Manager->AnimEffects.FormShow = {true, 240, 1};
    AnimSwitches().HoldShowAt = argc > 2 ? static_cast<int>(std::wcstol(argv[2], nullptr, 10)) : 5;
  }
  form->Show();
  if (mode != L"show-hold") {
    application.Run();
    return 0;
  }
  ShowWindow(form->GetHandle(), SW_HIDE);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
