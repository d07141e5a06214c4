// The skinned check box on a skinned form: mouse and Space toggle it and the
// click reaches the form's handler, a press that left the box does not,
// ReadOnly blocks the user but not the code, and the picture follows the state.
#include "skin/controls/basic/checkbox.h"
#include "skin/controls/basic/edit.h"

#include "tests/support/print_client.h"
#include "tests/support/skinned_form.h"

namespace {

class CheckBoxTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    Box = Place<TsCheckBox>(48, 168, 73, 19);
    Box->SetCaption(L"保存号码");
    Box->OnClick = [this](TComponent*) { ++Clicks; };
    Box->OnValueChanged = [this](TComponent*) { ++Changes; };
    Other = Place<TsCheckBox>(160, 168, 73, 19);
    Other->SetCaption(L"自动登陆");
    Pump();
  }
  HWND Window() { return Box->GetHandle(); }
  void Click() {
    PostMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
  }
  void Space() {
    // Through the queue and the application's dialog-key handling, as typed.
    Box->SetFocus();
    PostMessageW(Window(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(Window(), WM_KEYUP, VK_SPACE, 0xC0390001);
    Pump();
  }
  LRESULT WindowCheck() { return SendMessageW(Window(), BM_GETCHECK, 0, 0); }

  TsCheckBox* Box = nullptr;
  TsCheckBox* Other = nullptr;
  int Clicks = 0;
  int Changes = 0;
};

TEST_F(CheckBoxTest, ClickAndSpaceToggleAndTheClickReachesTheHandler) {
  ASSERT_TRUE(Box->SkinData.Skinned(true));
  const LONG_PTR type = GetWindowLongPtrW(Window(), GWL_STYLE) & BS_TYPEMASK;
  EXPECT_TRUE(type == BS_CHECKBOX || type == BS_AUTOCHECKBOX);  // the system sees a check box

  Click();
  EXPECT_TRUE(Box->GetChecked());
  EXPECT_EQ(WindowCheck(), BST_CHECKED);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(GetFocus(), Window());  // a click takes the focus

  Space();
  EXPECT_FALSE(Box->GetChecked());
  EXPECT_EQ(WindowCheck(), BST_UNCHECKED);
  EXPECT_EQ(Clicks, 2);
  EXPECT_EQ(Changes, 2);
  EXPECT_FALSE(Other->GetChecked());

  // A key down alone is a press, not yet a toggle.
  PostMessageW(Window(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  Pump();
  EXPECT_TRUE(Box->Pressed());
  EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckBoxTest, APressThatLeftTheBoxDoesNotToggle) {
  PostMessageW(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // the mouse comes in
  PostMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  EXPECT_TRUE(Box->Pressed());
  PostMessageW(Window(), WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_FALSE(Box->Pressed());
  PostMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_FALSE(Box->GetChecked());
  EXPECT_EQ(WindowCheck(), BST_UNCHECKED);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(CheckBoxTest, ReadOnlyStopsTheUserNotTheCodeSkinnedOrNot) {
  Box->SetReadOnly(true);
  for (const bool skinned : {true, false}) {
    SCOPED_TRACE(skinned ? "skinned" : "not skinned");
    Manager->SetActive(skinned);
    Pump();
    ASSERT_EQ(Box->SkinData.Skinned(true), skinned);
    Box->SetChecked(false);
    Click();
    Space();
    SendMessageW(Window(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(Box->GetChecked());
    EXPECT_EQ(WindowCheck(), BST_UNCHECKED);
    EXPECT_EQ(Clicks, 0);
    Box->SetChecked(true);  // the code still may
    EXPECT_EQ(WindowCheck(), BST_CHECKED);
  }
  Box->SetReadOnly(false);
  Manager->SetActive(false);
  Pump();
  Click();  // the system's check box, not skinned, notifies as well
  EXPECT_FALSE(Box->GetChecked());
  EXPECT_EQ(Clicks, 1);
}

TEST_F(CheckBoxTest, TheWindowsCheckAndTheStateAreOne) {
  // Whoever sets the window's check sets the state shown, and is told once.
  SendMessageW(Window(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Box->GetState(), cbChecked);
  SendMessageW(Window(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Changes, 1);
  Box->SetAllowGrayed(true);
  Box->SetState(cbUnchecked);
  Box->Toggle();
  EXPECT_EQ(Box->GetState(), cbGrayed);
  EXPECT_EQ(WindowCheck(), BST_INDETERMINATE);
  Box->SetAllowGrayed(false);
  Box->SetChecked(true);
  Box->SetState(cbGrayed);  // set in code, grayed is shown all the same
  EXPECT_EQ(WindowCheck(), BST_INDETERMINATE);
  // A state set before the window exists survives its making.
  auto* late = new TsCheckBox(Form);
  late->SetChecked(true);
  late->SetParent(Form);
  EXPECT_EQ(SendMessageW(late->GetHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(CheckBoxTest, ThePictureShowsTheStatePressTheHoverAndTheFocus) {
  Box->SetAutoSize(false);
  Box->SetBounds(48, 168, 73, 19);
  Pump();
  const SIZE glyph = Box->GlyphSize();
  ASSERT_GT(glyph.cx, 0);
  const int boxTop = (Box->GetHeight() - glyph.cy) / 2;
  const TRect box{2, boxTop, 2 + glyph.cx, boxTop + glyph.cy};
  const TRect caption{2 + glyph.cx + 4, 0, Box->GetWidth(), Box->GetHeight()};
  auto picture = [&](TCheckBoxState state) {
    Box->SetState(state);
    Pump();
    return PrintClient(Window());
  };
  const TBitmap32 unchecked = picture(cbUnchecked);
  const TBitmap32 checked = picture(cbChecked);
  const TBitmap32 grayed = picture(cbGrayed);
  EXPECT_TRUE(Differ(unchecked, checked, box));
  EXPECT_TRUE(Differ(checked, grayed, box));
  EXPECT_TRUE(Differ(unchecked, grayed, box));
  EXPECT_FALSE(Differ(unchecked, checked, caption));  // the caption stays

  // What the window shows is the cache.
  EXPECT_FALSE(Differ(grayed, *Box->SkinData.CacheBitmap, {0, 0, Box->GetWidth(), Box->GetHeight()}));

  // Pressed: the third frame of the glyph; focused: a dotted rectangle round the caption.
  Box->SetState(cbUnchecked);
  PostMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  ASSERT_TRUE(Box->Pressed());
  EXPECT_EQ(Box->PaintState(), 2);
  const TBitmap32 pressed = PrintClient(Window());
  EXPECT_TRUE(Differ(unchecked, pressed, box));
  EXPECT_TRUE(Differ(unchecked, pressed, caption));  // focused now: the focus rectangle

  Box->SetShowFocus(false);
  Pump();
  const TBitmap32 noFocusRect = PrintClient(Window());
  EXPECT_TRUE(Differ(pressed, noFocusRect, caption));

  // The caption is written beside the box.
  Box->SetCaption(L"");
  Pump();
  EXPECT_TRUE(Differ(noFocusRect, PrintClient(Window()), caption));
}

TEST_F(CheckBoxTest, AutoSizeFitsTheCaptionAndWordWrapEndsIt) {
  const SIZE glyph = Box->GlyphSize();
  EXPECT_TRUE(Box->GetAutoSize());
  EXPECT_GT(Box->GetWidth(), glyph.cx + 4 + 8);  // box, margins and a caption
  const int wide = Box->GetWidth();
  Box->SetCaption(L"");
  EXPECT_EQ(Box->GetWidth(), glyph.cx + 4);
  EXPECT_EQ(Box->GetHeight(), std::max<int>(glyph.cy, 4) + 2);
  Box->SetCaption(L"保存号码");
  EXPECT_EQ(Box->GetWidth(), wide);
  Box->SetWordWrap(true);
  EXPECT_FALSE(Box->GetAutoSize());
  Box->SetCaption(L"保存号码保存号码保存号码");
  EXPECT_EQ(Box->GetWidth(), wide);
}

// A caption given once the window is there, by the control or through the
// window's text as any Win32 code gives it, shows on the screen exactly as
// one given before, at the size it needs.
TEST_F(CheckBoxTest, ACaptionSetAfterTheWindowExistsShows) {
  const auto onScreen = [](HWND window) {
    RECT client;
    GetClientRect(window, &client);
    TBitmap32 picture(client.right, client.bottom);
    const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    const TClientDC screen(window);
    {
      const TSelectObject selected(dc.Get(), BitmapHandle(picture));
      BitBlt(dc.Get(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    return picture;
  };
  const std::wstring caption = L"Late caption";
  auto* before = new TsCheckBox(Form);
  before->SetCaption(caption);
  before->SetBounds(20, 120, 100, 19);
  before->SetParent(Form);
  Pump();
  const TBitmap32 wanted = onScreen(before->GetHandle());
  const RECT bounds = before->GetBoundsRect();
  delete before;

  for (bool throughTheWindow : {false, true}) {
    auto* after = Place<TsCheckBox>(20, 120, 100, 19);
    Pump();
    ASSERT_TRUE(after->HandleAllocated());
    if (throughTheWindow)
      SetWindowTextW(after->GetHandle(), caption.c_str());
    else
      after->SetCaption(caption);
    Pump();
    EXPECT_EQ(after->GetCaption(), caption) << "through the window " << throughTheWindow;
    EXPECT_EQ(after->GetBoundsRect().right, bounds.right) << "through the window " << throughTheWindow;
    EXPECT_FALSE(Differ(wanted, onScreen(after->GetHandle()), {0, 0, bounds.right - bounds.left, 19}))
        << "through the window " << throughTheWindow;
    delete after;
  }
}

}  // namespace

namespace {

// Tab and Shift+Tab move through the sign-in window's fields in tab order,
// through the application's dialog-key handling, as in a plain dialog.
TEST_F(SkinnedFormTest, TabVisitsTheSkinnedControlsInTabOrder) {
  auto* user = Place<TsEdit>(112, 112, 121, 21);
  auto* password = Place<TsEdit>(112, 136, 121, 21);
  auto* remember = Place<TsCheckBox>(48, 168, 73, 19);
  auto* automatic = Place<TsCheckBox>(160, 168, 73, 19);
  auto* button = Place<TButton>(224, 192, 75, 25);
  // Made in another order than they are visited.
  automatic->SetTabOrder(5);
  remember->SetTabOrder(4);
  password->SetTabOrder(3);
  user->SetTabOrder(2);
  button->SetTabOrder(1);
  Pump();
  user->SetFocus();
  auto press = [&](bool shift) {
    HWND focus = GetFocus();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return GetFocus();
  };
  EXPECT_EQ(press(false), password->GetHandle());
  EXPECT_EQ(press(false), remember->GetHandle());
  EXPECT_EQ(press(false), automatic->GetHandle());
  EXPECT_EQ(press(true), remember->GetHandle());
  // Space on the focused box toggles it, as a click does.
  PostMessageW(remember->GetHandle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  PostMessageW(remember->GetHandle(), WM_KEYUP, VK_SPACE, 0xC0390001);
  Pump();
  EXPECT_TRUE(remember->GetChecked());
}

}  // namespace
