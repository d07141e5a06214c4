// A real dialog made from a template (check boxes, radio buttons, a group
// box and a push button) skinned from outside: each control gets the adapter
// of its kind and is given back whole when the skin goes, the boxes answer
// the mouse and the keyboard exactly as plain ones do, the caption answers
// right and double clicks, and framework forms without a provider are
// skinned when they come forward, as the rules say.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/adapters/check_wnd.h"
#include "skin/forms/skin_hook.h"
#include "tests/support/print_client.h"
#include "tests/support/skinned_form.h"

// A form class of the framework's message dialogs (matched by its name).
class TMessageForm : public TForm {
 public:
  using TForm::TForm;
};

namespace {

enum : WORD { kCheck = 101, kThreeState, kRadioA, kRadioB, kGroup };

struct TItem {
  WORD Id;
  DWORD Style;
  const wchar_t* Text;
  short X, Y, Cx, Cy;
};

const TItem kItems[] = {
    {kGroup, BS_GROUPBOX, L"Options", 4, 4, 150, 80},
    {kCheck, BS_AUTOCHECKBOX | WS_TABSTOP, L"&Remember", 12, 16, 120, 12},
    {kThreeState, BS_AUTO3STATE | WS_TABSTOP, L"&Maybe", 12, 30, 120, 12},
    {kRadioA, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, L"&First", 12, 44, 120, 12},
    {kRadioB, BS_AUTORADIOBUTTON, L"&Second", 12, 58, 120, 12},
    {IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, L"OK", 100, 90, 50, 14},
};

// A dialog template in memory: the header, then each item DWORD-aligned.
std::vector<WORD> DialogTemplate(DWORD Style) {
  std::vector<WORD> t;
  const auto dword = [&t](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  const auto text = [&t](const wchar_t* s) {
    for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
    t.push_back(0);
  };
  dword(Style);
  dword(0);  // extended style
  t.push_back(static_cast<WORD>(std::size(kItems)));
  for (short v : {20, 20, 160, 110}) t.push_back(static_cast<WORD>(v));
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  text(L"Settings");
  t.push_back(8);
  text(L"MS Shell Dlg");
  for (const TItem& item : kItems) {
    if (t.size() % 2) t.push_back(0);
    dword(item.Style | WS_CHILD | WS_VISIBLE);
    dword(0);
    for (short v : {item.X, item.Y, item.Cx, item.Cy}) t.push_back(static_cast<WORD>(v));
    t.push_back(item.Id);
    t.push_back(0xFFFF);
    t.push_back(0x0080);  // BUTTON
    text(item.Text);
    t.push_back(0);  // no creation data
  }
  return t;
}

// Counts the click notifications each control sends.
int gClicks[256];

INT_PTR CALLBACK DialogProc(HWND, UINT Msg, WPARAM WParam, LPARAM) {
  if (Msg == WM_INITDIALOG) return TRUE;
  if (Msg == WM_COMMAND && HIWORD(WParam) == BN_CLICKED && LOWORD(WParam) < 256) ++gClicks[LOWORD(WParam)];
  return FALSE;
}

constexpr DWORD kFixedStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
constexpr DWORD kSizeableStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_SETFONT;

bool Adapted(HWND window) { return GetPropW(window, kAdapterProperty) != nullptr; }
bool OwnProc(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC) == static_cast<LONG_PTR>(GetClassLongPtrW(window, GCLP_WNDPROC)); }

class DialogControlsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    Hook = new TacSkinHook(Manager);
  }
  void TearDown() override {
    if (Dialog) DestroyWindow(Dialog);
    SetSysMenuPopup(nullptr);
  }
  // A modeless dialog owned by the skinned form, shown.
  HWND Open(DWORD Style) {
    const std::vector<WORD> t = DialogTemplate(Style);
    Dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(t.data()), Form->GetHandle(),
                                        DialogProc, 0);
    ShowWindow(Dialog, SW_SHOW);
    UpdateWindow(Dialog);
    return Dialog;
  }
  // Sends a non-client mouse message at the middle of the caption.
  void OnCaption(UINT Msg) {
    RECT r{};
    GetWindowRect(Dialog, &r);
    const POINT at{(r.left + r.right) / 2, r.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
    const auto hit = SendMessageW(Dialog, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(hit, HTCAPTION);
    SendMessageW(Dialog, Msg, HTCAPTION, MAKELPARAM(at.x, at.y));
  }
  TacSkinHook* Hook = nullptr;
  HWND Dialog = nullptr;
};

TEST_F(DialogControlsTest, EachBoxGetsTheAdapterOfItsKindAndGetsItsOwnWindowBackWithoutTheSkin) {
  struct {
    WORD Id;
    bool CheckAdapter, GroupAdapter;
    TCheckGlyphKind Kind;
  } table[] = {
      {kCheck, true, false, ckBox},   {kThreeState, true, false, ckBox}, {kRadioA, true, false, ckRadio},
      {kRadioB, true, false, ckRadio}, {kGroup, false, true, ckBox},
  };
  Open(kFixedStyle);
  ASSERT_TRUE(Adapted(Dialog));
  for (const auto& row : table) {
    HWND control = GetDlgItem(Dialog, row.Id);
    TacMainWnd* adapter = TacMainWnd::Of(control);
    ASSERT_NE(adapter, nullptr) << row.Id;
    EXPECT_FALSE(OwnProc(control)) << row.Id;
    auto* check = dynamic_cast<TacCheckBoxWnd*>(adapter);
    EXPECT_EQ(check != nullptr, row.CheckAdapter) << row.Id;
    EXPECT_EQ(dynamic_cast<TacGroupBoxWnd*>(adapter) != nullptr, row.GroupAdapter) << row.Id;
    if (check) {
      EXPECT_EQ(check->GlyphKind(), row.Kind) << row.Id;
    }
    EXPECT_EQ(adapter->SkinData().GetSkinSection(), row.GroupAdapter ? "GROUPBOX" : "CHECKBOX") << row.Id;
  }
  Manager->SetActive(false);
  for (const auto& row : table) {
    HWND control = GetDlgItem(Dialog, row.Id);
    EXPECT_FALSE(Adapted(control)) << row.Id;
    EXPECT_TRUE(OwnProc(control)) << row.Id;
  }
  Manager->SetActive(true);
  for (const auto& row : table) EXPECT_TRUE(Adapted(GetDlgItem(Dialog, row.Id))) << row.Id;
}

TEST_F(DialogControlsTest, BoxesToggleByMouseAndSpaceAsPlainOnesDoAndShowTheirCheck) {
  enum TInput { kClick, kSpace };
  struct {
    const char* Case;
    WORD Id;
    TInput Input;
    int Presses;
  } table[] = {
      {"a click checks a check box", kCheck, kClick, 1},
      {"two clicks clear it again", kCheck, kClick, 2},
      {"Space checks a check box", kCheck, kSpace, 1},
      {"a three-state box goes on to grey", kThreeState, kClick, 2},
      {"a click on the second radio button", kRadioB, kClick, 1},
      {"Space on a radio button", kRadioA, kSpace, 1},
  };
  const auto press = [](HWND control, TInput input) {
    if (input == kClick) {
      SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    } else {
      SetFocus(control);
      SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
      SendMessageW(control, WM_KEYUP, VK_SPACE, 0xC0390001);
    }
  };
  for (const auto& row : table) {
    LRESULT checks[2][2] = {};  // [skinned][the control, the other radio button]
    int clicks[2] = {};
    for (int skinned = 0; skinned < 2; ++skinned) {
      Manager->SetActive(skinned == 1);
      Open(kFixedStyle);
      HWND control = GetDlgItem(Dialog, row.Id);
      ASSERT_EQ(Adapted(control), skinned == 1) << row.Case;
      std::fill(std::begin(gClicks), std::end(gClicks), 0);
      CheckDlgButton(Dialog, kRadioA, BST_CHECKED);
      const LRESULT initial = SendMessageW(control, BM_GETCHECK, 0, 0);
      const TBitmap32 before = PrintClient(control);
      for (int i = 0; i < row.Presses; ++i) press(control, row.Input);
      checks[skinned][0] = SendMessageW(control, BM_GETCHECK, 0, 0);
      checks[skinned][1] = IsDlgButtonChecked(Dialog, row.Id == kRadioB ? kRadioA : kRadioB);
      clicks[skinned] = gClicks[row.Id];
      // The skinned box shows what BM_GETCHECK says: a changed check, a changed box.
      if (skinned && checks[1][0] != initial) {
        EXPECT_TRUE(Differ(before, PrintClient(control), {0, 0, 16, before.Height()})) << row.Case;
      }
      DestroyWindow(std::exchange(Dialog, nullptr));
    }
    EXPECT_EQ(checks[1][0], checks[0][0]) << row.Case;
    EXPECT_EQ(checks[1][1], checks[0][1]) << row.Case;
    EXPECT_EQ(clicks[1], clicks[0]) << row.Case;
    EXPECT_GT(clicks[1], 0) << row.Case;
  }
}

TEST_F(DialogControlsTest, CaptionRightClickOpensTheSkinnedMenuAndDoubleClickMaximisesWhereAllowed) {
  static struct {
    HWND Owner = nullptr;
    int Items = 0;
    bool MaximizeEnabled = false;
  } opened;
  SetSysMenuPopup([](TsSystemMenu& Menu, HWND Owner, int, int) {
    opened.Owner = Owner;
    opened.Items = Menu.GetItems().GetCount();
    opened.MaximizeEnabled = Menu.ItemMaximize && Menu.ItemMaximize->GetEnabled();
  });
  struct {
    const char* Case;
    DWORD Style;
    bool MayMaximize;
  } table[] = {
      {"a sizeable dialog with a maximise box", kSizeableStyle, true},
      {"a fixed dialog frame", kFixedStyle, false},
  };
  for (const auto& row : table) {
    opened = {};
    Open(row.Style);
    ASSERT_TRUE(Adapted(Dialog)) << row.Case;
    OnCaption(WM_NCRBUTTONDOWN);
    EXPECT_EQ(opened.Owner, nullptr) << row.Case << ": opened on the release";
    OnCaption(WM_NCRBUTTONUP);
    EXPECT_EQ(opened.Owner, Dialog) << row.Case;
    EXPECT_GT(opened.Items, 0) << row.Case;
    EXPECT_EQ(opened.MaximizeEnabled, row.MayMaximize) << row.Case;
    OnCaption(WM_NCLBUTTONDBLCLK);
    EXPECT_EQ(IsZoomed(Dialog) != FALSE, row.MayMaximize) << row.Case;
    if (row.MayMaximize) {
      OnCaption(WM_NCLBUTTONDBLCLK);
      EXPECT_FALSE(IsZoomed(Dialog)) << row.Case << ": restored";
    }
    EXPECT_TRUE(Adapted(Dialog)) << row.Case;
    DestroyWindow(std::exchange(Dialog, nullptr));
  }
}

TEST_F(DialogControlsTest, DialogsShowWithTheManagersDialogAnimationOnly) {
  int shown = 0;
  AnimSwitches().Paced = false;
  AnimSwitches().OnStep = [&shown](const TacAnimStep& step) {
    shown += step.Kind == akShow;
    return true;
  };
  Manager->AnimEffects.FormShow = {true, 0, 1};
  for (int time : {0, 120}) {
    shown = 0;
    Manager->AnimEffects.DialogShow = {true, time, 1};
    Open(kFixedStyle);
    EXPECT_EQ(shown > 0, time > 0) << time;
    EXPECT_FALSE(GetWindowLongPtrW(Dialog, GWL_EXSTYLE) & WS_EX_LAYERED) << time;
    DestroyWindow(std::exchange(Dialog, nullptr));
  }
  AnimSwitches() = {};
}

TEST_F(DialogControlsTest, FormsWithoutProviderAreSkinnedWhenTheyComeForwardAsTheRulesSay) {
  enum TKind { kPlainForm, kMessageForm };
  struct {
    const char* Case;
    TKind Kind;
    unsigned Rules;
    std::intptr_t Tag;
    bool Skipped;
    bool Skinned;
  } table[] = {
      {"a plain form", kPlainForm, srStdForms | srStdDialogs, 0, false, true},
      {"a plain form without the forms rule", kPlainForm, srStdDialogs, 0, false, false},
      {"a message form", kMessageForm, srStdDialogs, 0, false, true},
      {"a message form without the dialogs rule", kMessageForm, srStdForms, 0, false, false},
      {"the engine's own form", kPlainForm, srStdForms | srStdDialogs, 256, false, false},
      {"a form left out by its class", kPlainForm, srStdForms | srStdDialogs, 0, true, false},
  };
  for (const auto& row : table) {
    Manager->SkinningRules = row.Rules;
    Manager->ThirdPartySkipForms = row.Skipped ? std::vector<std::string>{"TForm"} : std::vector<std::string>{};
    TForm* form = row.Kind == kMessageForm ? new TMessageForm(Form) : new TForm(Form);
    form->SetTag(row.Tag);
    form->SetBounds(200, 200, 240, 160);
    form->Show();
    EXPECT_EQ(TsSkinProvider::GetSkinProvider(form) != nullptr, row.Skinned) << row.Case;
    delete form;
  }
}

}  // namespace
