// A stage for pictures of skin effects the program shows too briefly or not
// at all: a window dressed like the login window (the internal skin, its
// frame, two fields and the sign-in button) at 200, 160 on the screen,
// shown as the command line says:
//   show-hold N  its show animation (240 ms, with zoom) stops at frame N and
//                leaves that frame on its cover window; the window itself is
//                then hidden, as its alpha of 1 hides it during a show where
//                layered windows are composed (Wine draws it opaque). Since
//                what a screen without a compositor makes of the cover's
//                partial alpha differs from one X server to the next, the
//                frame is also shown composed over what lay behind it, as a
//                composing system shows it, in an opaque window "蓝鹊商务版
//                动画帧" above the cover;
//   menu         with a main menu of three items on its bar.
// It runs until its window is closed. Used by scripts/shots only.
#include <windows.h>

#include <cwchar>
#include <memory>
#include <string>

#include "framework/application.h"
#include "framework/main_menu.h"
#include "skin/controls/basic/edit.h"
#include "skin/controls/buttons/skinned_bit_btn.h"
#include "skin/forms/animation/anim_frame.h"
#include "skin/forms/form_animations.h"
#include "skin/forms/skin_provider.h"
#include "skin/paint/gdi_win.h"
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

// A plain window showing a picture, at its place on the screen.
class TPictureForm : public TForm {
 public:
  TPictureForm(TComponent* AOwner, TBitmap32 APicture, const RECT& Place) : TForm(AOwner), FPicture(std::move(APicture)) {
    SetCaption(L"蓝鹊商务版 动画帧");
    SetBorderStyle(bsNone);
    SetBounds(Place.left, Place.top, Place.right - Place.left, Place.bottom - Place.top);
  }

 protected:
  void PaintWindow(TCanvas& Canvas) override {
    CopyToDC(FPicture, {0, 0}, Canvas.GetHandle(), {0, 0, FPicture.Width(), FPicture.Height()});
  }

 private:
  TBitmap32 FPicture;
};

// What the screen shows in a rectangle now.
TBitmap32 ScreenPicture(const RECT& Area) {
  TBitmap32 picture(Area.right - Area.left, Area.bottom - Area.top);
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  const TClientDC screen(nullptr);
  {
    const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
    BitBlt(dc.Get(), 0, 0, picture.Width(), picture.Height(), screen.Get(), Area.left, Area.top, SRCCOPY);
  }
  GdiFlush();
  return picture;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  TApplication application;
  application.Initialize();
  gWithMenu = mode == L"menu";
  TStageForm* form = application.CreateForm<TStageForm>();
  if (mode == L"show-hold") {
    form->Manager->AnimEffects.FormShow = {true, 240, 1};
    const int hold = argc > 2 ? static_cast<int>(std::wcstol(argv[2], nullptr, 10)) : 5;
    AnimSwitches().HoldShowAt = hold;
    RECT place;
    GetWindowRect(form->GetHandle(), &place);
    auto behind = std::make_shared<TBitmap32>(ScreenPicture(place));
    AnimSwitches().OnStep = [&application, hold, behind](const TacAnimStep& Step) {
      if (Step.Kind != akShow || Step.Index != hold || !Step.Work) return true;
      TBitmap32 composed(Step.Work->Width(), Step.Work->Height());
      if (behind->Width() != composed.Width() || behind->Height() != composed.Height()) return true;
      ComposeAnimFrame(*Step.Work, Step.Frame.Alpha, *behind, composed);
      (new TPictureForm(&application, std::move(composed), Step.Cover))->Show();
      return true;
    };
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
