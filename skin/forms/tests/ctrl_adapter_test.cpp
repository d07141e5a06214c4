// The skinned login window's frame with ordinary framework controls on it:
// which of them the provider's control adapter skins from outside, and what
// the form's plain labels look like with and without the skin.
#include "skin/forms/ctrl_adapter.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "framework/button.h"
#include "skin/controls/adapters/btn_wnd.h"
#include "tests/support/skinned_form.h"

namespace {

// A button of a class of its own: only its own name counts.
class TMyButton : public TButton {
 public:
  using TButton::TButton;
};

class CtrlAdapterTest : public SkinnedFormTest {
 protected:
  template <typename T>
  T* Add(TWinControl* Parent) {
    auto* control = new T(Form);
    control->SetParent(Parent);
    control->SetBounds(10, 10, 75, 23);
    if constexpr (std::is_base_of_v<TWinControl, T>) control->GetHandle();
    return control;
  }
  static bool Adapted(TWinControl* Control) { return GetPropW(Control->GetHandle(), kAdapterProperty) != nullptr; }
};

TEST_F(CtrlAdapterTest, ListedClassesAreAdaptedByTheFirstListThatNamesThem) {
  struct {
    const char* Case;
    const char* StaticTextList;
    unsigned Rules;
    bool Veto;
    bool Button, MyButton, LabelRecoloured;
  } table[] = {
      {"TButton listed with the buttons", " ", srStdForms | srThirdParty, false, true, false, true},
      {"listed twice: the button list comes first", "TButton", srStdForms | srThirdParty, false, true, false, true},
      {"third-party skinning out of the rules", " ", srStdForms, false, false, false, false},
      {"the provider's hook says no", " ", srStdForms | srThirdParty, true, false, false, false},
  };
  for (const auto& row : table) {
    Manager->ThirdParty[tpStaticText] = row.StaticTextList;
    Manager->LoadThirdNames(false);
    Manager->SkinningRules = row.Rules;
    Provider->OnSkinItem = [&row](TControl*, bool& allow, std::string&) { allow = !row.Veto; };
    auto* button = Add<TButton>(Form);
    auto* mine = Add<TMyButton>(Form);
    auto* label = Add<TLabel>(Form);
    label->GetFont().SetColor(clRed);
    Provider->GetAdapter()->AddAllItems();
    EXPECT_EQ(Adapted(button), row.Button) << row.Case;
    EXPECT_EQ(dynamic_cast<TacBtnWnd*>(TacMainWnd::Of(button->GetHandle())) != nullptr, row.Button) << row.Case;
    EXPECT_EQ(Adapted(mine), row.MyButton) << row.Case;
    EXPECT_EQ(label->GetFont().GetColor() == Manager->Model.GetGlobalFontColor(), row.LabelRecoloured) << row.Case;
    delete button;
    delete mine;
    delete label;
    Provider->GetAdapter()->CleanItems();
    EXPECT_EQ(Provider->GetAdapter()->Count(), 0) << row.Case;
  }
}

TEST_F(CtrlAdapterTest, RemovingTheSkinGivesControlsAndLabelsBackAndANewSkinTakesThemAgain) {
  auto* button = Add<TButton>(Form);
  auto* own = Add<TLabel>(Form);
  own->GetFont().SetColor(clRed);
  auto* inherited = Add<TLabel>(Form);  // takes the form's font
  const TColor formColor = Form->GetFont().GetColor();
  Provider->GetAdapter()->AddAllItems();
  ASSERT_TRUE(Adapted(button));
  EXPECT_EQ(own->GetFont().GetColor(), Manager->Model.GetGlobalFontColor());
  Manager->SetActive(false);
  EXPECT_EQ(Provider->GetAdapter(), nullptr);
  EXPECT_FALSE(Adapted(button));
  // The framework's own handling answers again.
  button->SetCaption(L"Again");
  EXPECT_EQ(WindowText(button->GetHandle()), L"Again");
  EXPECT_EQ(own->GetFont().GetColor(), clRed);
  EXPECT_TRUE(inherited->GetParentFont());
  EXPECT_EQ(inherited->GetFont().GetColor(), formColor);
  Manager->SetActive(true);
  ASSERT_NE(Provider->GetAdapter(), nullptr);
  EXPECT_TRUE(Adapted(button));
  EXPECT_EQ(inherited->GetFont().GetColor(), Manager->Model.GetGlobalFontColor());
}

TEST_F(CtrlAdapterTest, AScanStartedDuringAScanDoesNothingButTheScanStillReachesNestedControls) {
  auto* panel = Add<TWinControl>(Form);
  panel->SetBounds(0, 0, 200, 100);
  auto* inner = Add<TButton>(panel);
  int asked = 0;
  Provider->OnSkinItem = [&](TControl* control, bool&, std::string&) {
    if (control != inner) return;
    ++asked;
    Provider->GetAdapter()->AddAllItems();  // as a message sent during the scan might
  };
  Provider->GetAdapter()->AddAllItems();
  EXPECT_TRUE(Adapted(inner));
  EXPECT_EQ(Provider->GetAdapter()->Count(), 1);
  EXPECT_EQ(asked, 2);  // once for the support test, once before it is hooked
}

}  // namespace
