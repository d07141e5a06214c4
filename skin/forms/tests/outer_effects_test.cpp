// The outer effect of a skinned control on a skinned form: a layered window
// around the control that comes, goes and moves with the control and its
// form, and a long run of that leaves no window or handle behind.
#include "skin/win/outer_effects_win.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "skin/data/binding/control_kinds.h"
#include "tests/support/skinned_form.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/outer_picture.h"
#include "skin/win/glow_effects.h"
#include "skin/win/tests/skinned_test_controls.h"
#include "tests/support/leak_probe.h"

namespace {

int EffectWindows() {
  int count = 0;
  EnumWindows(
      [](HWND window, LPARAM data) {
        wchar_t name[32]{};
        GetClassNameW(window, name, 32);
        if (std::wstring(name) == L"LanqueGlow" && IsWindowVisible(window)) ++*reinterpret_cast<int*>(data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

class OuterEffectsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    GlowSwitches().IgnoreComposition = true;  // the effects' partial alpha shows opaque without a compositor
    Manager->Effects.AllowOuterEffects = true;
    Edit = new TSkinnedEdit(Form, ckEdit);
    Edit->SkinData.OuterEffects.Visibility = ovAlways;
    Edit->SetParent(Form);
    Edit->SetBounds(112, 112, 121, 21);
    Edit->SkinData.SetSkinSection("EDIT");
    Edit->SkinData.Loaded();
    Look = OuterLook(Manager->Model, Edit->SkinData.SkinIndex);
  }
  void TearDown() override { GlowSwitches() = {}; }
  HWND Shown() const {
    HWND window = GlowWindow(Edit->SkinData.OuterHandle);
    return window && IsWindowVisible(window) ? window : nullptr;
  }
  // The effect's window lies around the edit as the effect reaches.
  void ExpectAroundTheEdit() {
    HWND effect = Shown();
    ASSERT_NE(effect, nullptr);
    RECT at, edit;
    GetWindowRect(effect, &at);
    GetWindowRect(Edit->GetHandle(), &edit);
    EXPECT_EQ(at.left, edit.left - Look.Reach[0]);
    EXPECT_EQ(at.top, edit.top - Look.Reach[1]);
    EXPECT_EQ(at.right, edit.right + Look.Reach[2]);
    EXPECT_EQ(at.bottom, edit.bottom + Look.Reach[3]);
    EXPECT_TRUE(GetWindowLongPtrW(effect, GWL_EXSTYLE) & WS_EX_TRANSPARENT) << "clicks pass through";
  }

  TSkinnedEdit* Edit = nullptr;
  TacOuterLook Look;
};

TEST_F(OuterEffectsTest, TheEffectComesGoesAndMovesWithTheControlAndItsForm) {
  ASSERT_NE(Look.Image, nullptr) << "the internal skin's shadow";
  HWND form = Form->GetHandle(), edit = Edit->GetHandle();
  Edit->Show();
  ExpectAroundTheEdit();
  // The form moves: the effect follows.
  SetWindowPos(form, nullptr, 150, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectAroundTheEdit();
  // The control moves and grows.
  Edit->SetBounds(20, 60, 200, 30);
  ExpectAroundTheEdit();
  struct {
    const char* Name;
    std::function<void()> Away, Back;
  } const rows[] = {
      {"control hidden", [&] { ShowWindow(edit, SW_HIDE); }, [&] { ShowWindow(edit, SW_SHOW); }},
      {"form hidden", [&] { ShowWindow(form, SW_HIDE); }, [&] { ShowWindow(form, SW_SHOWNA); }},
      {"form minimised", [&] { ShowWindow(form, SW_SHOWMINNOACTIVE); }, [&] { ShowWindow(form, SW_RESTORE); }},
      {"not allowed", [&] { Manager->Effects.AllowOuterEffects = false; UpdateOuterEffects(*Form); },
       [&] { Manager->Effects.AllowOuterEffects = true; UpdateOuterEffects(*Form); }},
      {"no compositor", [&] { GlowSwitches().IgnoreComposition = false; UpdateOuterEffects(*Form); },
       [&] { GlowSwitches().IgnoreComposition = true; UpdateOuterEffects(*Form); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    row.Away();
    // (A composed desktop keeps the effect when the switch goes.)
    if (std::string(row.Name) != "no compositor" || !CompositionEnabled()) {
      EXPECT_EQ(Shown(), nullptr);
    }
    row.Back();
    ExpectAroundTheEdit();
  }
  // The control goes: so does its effect.
  delete Edit;
  Edit = nullptr;
  EXPECT_EQ(EffectWindows(), 0);
}

TEST_F(OuterEffectsTest, HundredsOfComingsAndGoingsLeaveNoWindowOrHandle) {
  HWND form = Form->GetHandle(), edit = Edit->GetHandle();
  const auto cycle = [&](int i) {
    ShowWindow(edit, SW_SHOW);
    SetWindowPos(form, nullptr, 100 + i % 7, 100 + i % 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Edit->SetBounds(112 + i % 3, 112, 121, 21 + i % 2);
    ShowWindow(edit, SW_HIDE);
  };
  for (int i = 0; i < 20; ++i) cycle(i);
  const TLeakProbe before = TLeakProbe::Take();
  const int windows = EffectWindows();
  for (int i = 0; i < 300; ++i) cycle(i);
  EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "");
  EXPECT_EQ(EffectWindows(), windows);
  ShowWindow(edit, SW_SHOW);
  ExpectAroundTheEdit();
}

// Extended borders: with the manager's switch on, the form's shadow lies
// around it, right below it, and follows it; off, or the form minimised,
// maximised or hidden, there is none.
TEST_F(OuterEffectsTest, ExtendedBordersGiveTheFormItsShadowWhileTheManagerWantsIt) {
  HWND form = Form->GetHandle();
  EXPECT_EQ(Provider->GetShadowWindow(), nullptr);
  Manager->SetExtendedBorders(true);
  const auto expectAround = [&] {
    HWND shadow = Provider->GetShadowWindow();
    ASSERT_NE(shadow, nullptr);
    EXPECT_TRUE(IsWindowVisible(shadow));
    EXPECT_EQ(GetWindow(form, GW_HWNDNEXT), shadow) << "right below the form";
    RECT at, bounds;
    GetWindowRect(shadow, &at);
    GetWindowRect(form, &bounds);
    const auto& m = Manager->Shadows.Margins;
    EXPECT_GT(m[0], 0);
    EXPECT_EQ(at.left, bounds.left - m[0]);
    EXPECT_EQ(at.top, bounds.top - m[1]);
    EXPECT_EQ(at.right, bounds.right + m[2]);
    EXPECT_EQ(at.bottom, bounds.bottom + m[3]);
  };
  expectAround();
  SetWindowPos(form, nullptr, 160, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  expectAround();
  const TLeakProbe before = TLeakProbe::Take();
  for (int i = 0; i < 100; ++i) {
    ShowWindow(form, SW_SHOWMINNOACTIVE);
    EXPECT_EQ(Provider->GetShadowWindow(), nullptr);
    ShowWindow(form, SW_RESTORE);
    ShowWindow(form, SW_HIDE);
    EXPECT_EQ(Provider->GetShadowWindow(), nullptr);
    ShowWindow(form, SW_SHOWNA);
  }
  expectAround();
  EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "");
  Provider->AllowExtBorders = false;
  SetWindowPos(form, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Provider->GetShadowWindow(), nullptr);
  Provider->AllowExtBorders = true;
  Manager->SetExtendedBorders(false);
  EXPECT_EQ(Provider->GetShadowWindow(), nullptr);
}

}  // namespace
