// What a screen reader reads of the skinned controls, asked the way a screen
// reader asks (AccessibleObjectFromWindow on the client area): names, roles,
// check and protected states, values, and the default action.
#include <oleacc.h>

#include "base/com_ptr_win.h"
#include "skin/controls/basic/checkbox.h"
#include "skin/controls/basic/edit.h"
#include "skin/controls/basic/label.h"
#include "tests/support/skinned_form.h"

namespace {

// An owner-drawn push button carrying skin data and the shared handling, as
// the skinned buttons are.
class TOwnerDrawnButton : public TButton {
 public:
  explicit TOwnerDrawnButton(TComponent* AOwner) : TButton(AOwner), SkinData(this, true) {
    SkinData.ControlKind = 94;
    SkinData.Loaded();
  }
  TsCommonData SkinData;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButton::CreateParams(Params);
    Params.Style = (Params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
  }
  void WndProc(TMessage& Message) override {
    if (!CommonWndProc(Message, &SkinData)) TButton::WndProc(Message);
  }
};

struct TOleScope {
  TOleScope() { OleInitialize(nullptr); }
  ~TOleScope() { OleUninitialize(); }
};

class AccessibilityTest : public SkinnedFormTest {
 protected:
  ComPtr<IAccessible> ObjectOf(TWinControl* Control) {
    ComPtr<IAccessible> object;
    EXPECT_EQ(AccessibleObjectFromWindow(Control->GetHandle(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(object.Put())),
              S_OK);
    return object;
  }
  static VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
  }
  static std::wstring Take(BSTR text) {
    std::wstring value = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return value;
  }
  static std::wstring Name(IAccessible* Object) {
    BSTR name = nullptr;
    Object->get_accName(Self(), &name);
    return Take(name);
  }
  static long Role(IAccessible* Object) {
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(Object->get_accRole(Self(), &role)) && role.vt == VT_I4 ? role.lVal : -1;
  }
  static long State(IAccessible* Object) {
    VARIANT state;
    VariantInit(&state);
    return SUCCEEDED(Object->get_accState(Self(), &state)) && state.vt == VT_I4 ? state.lVal : -1;
  }

  TOleScope Ole;
};

TEST_F(AccessibilityTest, NameRoleAndStateOfEveryControlOfTheSignInWindow) {
  auto* user = Place<TsEdit>(112, 112, 121, 21);
  auto* password = Place<TsEdit>(112, 136, 121, 21);
  password->SetPasswordChar(L'*');
  password->SetText(L"lanque123");
  user->SetText(L"10001");
  auto* userLabel = Place<TsLabel>(48, 117, 57, 13);
  userLabel->SetCaption(L"用户号码");
  userLabel->SetFocusControl(user);
  auto* passwordLabel = Place<TsLabel>(48, 141, 57, 13);
  passwordLabel->SetFocusControl(password);
  passwordLabel->SetCaption(L"用户密码");
  auto* remember = Place<TsCheckBox>(48, 168, 73, 19);
  remember->SetCaption(L"保存号码");
  remember->SetChecked(true);
  auto* automatic = Place<TsCheckBox>(160, 168, 73, 19);
  automatic->SetCaption(L"自动登陆");
  auto* button = Place<TOwnerDrawnButton>(224, 192, 75, 25);
  button->SetCaption(L"登陆");
  auto* mnemonic = Place<TOwnerDrawnButton>(8, 192, 75, 25);
  mnemonic->SetCaption(L"&Save && go");
  mnemonic->SetEnabled(false);
  Pump();
  user->SetFocus();

  struct TRow {
    TWinControl* Control;
    std::wstring Name;
    long Role;
    long Set;    // state bits that must be on
    long Clear;  // state bits that must be off
  };
  const TRow rows[] = {
      {user, L"用户号码", ROLE_SYSTEM_TEXT, STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_PROTECTED},
      {password, L"用户密码", ROLE_SYSTEM_TEXT, STATE_SYSTEM_PROTECTED | STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSED},
      {remember, L"保存号码", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_CHECKED, STATE_SYSTEM_MIXED},
      {automatic, L"自动登陆", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_CHECKED},
      {button, L"登陆", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE},
      {mnemonic, L"Save & go", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(&row - rows));
    const ComPtr<IAccessible> object = ObjectOf(row.Control);
    ASSERT_TRUE(object);
    EXPECT_EQ(Name(object.Get()), row.Name);
    EXPECT_EQ(Role(object.Get()), row.Role);
    const long state = State(object.Get());
    EXPECT_EQ(state & row.Set, row.Set);
    EXPECT_EQ(state & row.Clear, 0);
  }

  // Values: the user number is read out, the password never.
  BSTR value = nullptr;
  EXPECT_EQ(ObjectOf(user)->get_accValue(Self(), &value), S_OK);
  EXPECT_EQ(Take(value), L"10001");
  value = nullptr;
  EXPECT_FALSE(SUCCEEDED(ObjectOf(password)->get_accValue(Self(), &value)));
  EXPECT_EQ(Take(value), L"");

  // The state is read live, and the default action toggles the box as a click would.
  int clicks = 0;
  automatic->OnClick = [&](TComponent*) { ++clicks; };
  const ComPtr<IAccessible> box = ObjectOf(automatic);
  BSTR action = nullptr;
  box->get_accDefaultAction(Self(), &action);
  EXPECT_EQ(Take(action), L"Check");
  EXPECT_EQ(box->accDoDefaultAction(Self()), S_OK);
  Pump();
  EXPECT_TRUE(automatic->GetChecked());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(State(box.Get()) & STATE_SYSTEM_CHECKED);
  remember->SetChecked(false);
  EXPECT_FALSE(State(ObjectOf(remember).Get()) & STATE_SYSTEM_CHECKED);
}

TEST_F(AccessibilityTest, TheSameWithoutASkinAndAfterTheWindowIsGone) {
  Manager->SetActive(false);
  auto* box = Place<TsCheckBox>(48, 168, 73, 19);
  box->SetCaption(L"保存号码");
  box->SetChecked(true);
  Pump();
  ComPtr<IAccessible> object = ObjectOf(box);
  ASSERT_TRUE(object);
  EXPECT_EQ(Role(object.Get()), ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_TRUE(State(object.Get()) & STATE_SYSTEM_CHECKED);
  delete box;  // a reader holding the object gets errors, not a crash
  EXPECT_EQ(Role(object.Get()), -1);
  BSTR name = nullptr;
  EXPECT_FALSE(SUCCEEDED(object->get_accName(Self(), &name)));
}

}  // namespace
