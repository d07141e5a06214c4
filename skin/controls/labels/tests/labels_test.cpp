// The labels beyond the plain one on a live skinned form: a link opens its
// address through the shell's stand-in and looks hot under the mouse; an
// edit's label and a glued label follow their controls; an effect label
// keeps its text in place when its shadow changes and casts a shadow only
// when it has one.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/edit.h"
#include "skin/controls/basic/edit.h"
#include "skin/controls/basic/edit_label.h"
#include "skin/controls/labels/label_fx.h"
#include "skin/controls/labels/sticky_label.h"
#include "skin/controls/labels/web_label.h"
#include "tests/support/print_client.h"
#include "tests/support/skinned_form.h"

namespace {

class LabelsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    Saved = LinkOpener();
    LinkOpener() = [this](HWND Owner, const std::wstring& URL, int ShowMode) {
      Opened.push_back(URL);
      Modes.push_back(ShowMode);
      Owners.push_back(Owner);
    };
  }
  void TearDown() override { LinkOpener() = Saved; }
  void Mouse(UINT Msg, int X, int Y) { SendMessageW(Form->GetHandle(), Msg, 0, MAKELPARAM(X, Y)); }
  static RECT Bounds(const TControl* Control) { return Control->GetBoundsRect(); }

  TacLinkOpener Saved;
  std::vector<std::wstring> Opened;
  std::vector<int> Modes;
  std::vector<HWND> Owners;
};

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST_F(LabelsTest, AWebLabelOpensItsAddressAndLooksHotUnderTheMouse) {
  Form->GetFont().SetHeight(-12);
  auto* link = Place<TsWebLabel>(20, 20, 120, 16);
  EXPECT_EQ(link->GetHoverFont().GetHeight(), -12);  // the parent's face and size, underlined
  EXPECT_EQ(link->GetHoverFont().GetName(), Form->GetFont().GetName());
  link->SetCaption(L"lanque.example");
  link->SetURL(L"http://lanque.example/help");
  auto* empty = Place<TsWebLabel>(20, 60, 120, 16);
  empty->SetCaption(L"nowhere");
  Pump();
  const TBitmap32 idle = PrintClient(Form->GetHandle());
  const TsSkinModel& model = Manager->Model;
  EXPECT_NE(link->TextColor(), model.Palette[pcWebTextHot]);

  Mouse(WM_MOUSEMOVE, 40, 25);
  Pump();
  EXPECT_TRUE(link->MouseAbove());
  EXPECT_EQ(link->TextColor(), model.Palette[pcWebTextHot]);
  EXPECT_TRUE(link->GetCurrentFont().GetStyle() & fsUnderline);
  const TBitmap32 hot = PrintClient(Form->GetHandle());
  EXPECT_TRUE(Differ(idle, hot, {20, 20, 140, 36}));
  EXPECT_FALSE(Differ(idle, hot, {20, 60, 140, 76}));  // the other link stays as it was
  // Without the skin's colours the hover font's own colour shows.
  link->SetUseSkinColor(false);
  link->GetHoverFont().SetColor(0x123456);
  EXPECT_EQ(link->TextColor(), 0x123456u);

  Mouse(WM_LBUTTONDOWN, 40, 25);
  Mouse(WM_LBUTTONUP, 40, 25);
  ASSERT_EQ(Opened.size(), 1u);
  EXPECT_EQ(Opened[0], L"http://lanque.example/help");
  EXPECT_EQ(Modes[0], SW_SHOWDEFAULT);
  EXPECT_EQ(Owners[0], Form->GetHandle());

  // Leaving gives the normal look back; a link without an address opens nothing.
  Mouse(WM_MOUSEMOVE, 40, 65);
  EXPECT_FALSE(link->MouseAbove());
  EXPECT_TRUE(empty->MouseAbove());
  Mouse(WM_LBUTTONDOWN, 40, 65);
  Mouse(WM_LBUTTONUP, 40, 65);
  EXPECT_EQ(Opened.size(), 1u);
  Mouse(WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_FALSE(empty->MouseAbove());
  link->SetUseSkinColor(true);
  Pump();
  EXPECT_FALSE(Differ(idle, PrintClient(Form->GetHandle()), {20, 20, 140, 36}));
}

TEST_F(LabelsTest, AnEditsLabelFollowsItsEditAndLetsGoWhenFreed) {
  auto* edit = Place<TsEdit>(112, 50, 121, 21);
  edit->BoundLabel.SetCaption(L"User");
  edit->BoundLabel.SetActive(true);
  auto* label = dynamic_cast<TsEditLabel*>(edit->BoundLabel.GetLabel());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->BoundLabel, &edit->BoundLabel);
  const int width = label->GetWidth();
  EXPECT_EQ(label->GetLeft() + width + 4, 112);
  struct Step {
    const char* What;
    RECT EditBounds;
  };
  const Step steps[] = {{"moved", {150, 90, 271, 111}}, {"taller", {150, 90, 271, 131}}, {"back", {112, 50, 233, 71}}};
  for (const Step& step : steps) {
    edit->SetBounds(step.EditBounds.left, step.EditBounds.top, step.EditBounds.right - step.EditBounds.left,
                    step.EditBounds.bottom - step.EditBounds.top);
    const int h = step.EditBounds.bottom - step.EditBounds.top;
    EXPECT_EQ(label->GetLeft(), step.EditBounds.left - width - 4) << step.What;
    EXPECT_EQ(label->GetTop(), step.EditBounds.top + (h - label->GetHeight()) / 2) << step.What;
  }
  // Moved by the system, not by the control's own setter.
  SetWindowPos(edit->GetHandle(), nullptr, 140, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(label->GetLeft(), 140 - width - 4);
  edit->SetEnabled(false);
  EXPECT_FALSE(label->GetEnabled());
  edit->Hide();
  EXPECT_FALSE(label->GetVisible());

  delete label;
  EXPECT_FALSE(edit->BoundLabel.GetActive());
  edit->BoundLabel.SetActive(true);  // a new one; freed with the edit
  EXPECT_TRUE(edit->BoundLabel.GetActive());
  delete edit;
}

TEST_F(LabelsTest, AStickyLabelStaysBesideItsControl) {
  auto* edit = Place<TEdit>(100, 50, 120, 21);
  auto* label = Place<TsStickyLabel>(0, 0, 40, 13);
  label->SetCaption(L"Name");
  label->SetAttachTo(edit);
  EXPECT_EQ(label->GetLeft(), 58);  // 100 - 40 - 2
  EXPECT_EQ(label->GetTop(), 54);   // 50 + (21 - 13) div 2
  struct Step {
    const char* What;
    std::function<void()> Act;
    RECT Label;
    RECT Edit;
  };
  const Step steps[] = {
      {"edit moved", [&] { edit->SetBounds(150, 100, 120, 21); }, {108, 104, 148, 117}, {150, 100, 270, 121}},
      {"edit moved by the system",
       [&] { SetWindowPos(edit->GetHandle(), nullptr, 160, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); },
       {118, 114, 158, 127}, {160, 110, 280, 131}},
      // Resizing moves the control, not the label: centred on it again, the gap kept.
      {"edit taller", [&] { edit->SetBounds(160, 110, 120, 41); }, {118, 114, 158, 127}, {160, 100, 280, 141}},
      {"label moved", [&] { label->SetBounds(20, 30, 40, 13); }, {20, 30, 60, 43}, {62, 16, 182, 57}},
      {"gap 6", [&] { label->SetGap(6); }, {16, 30, 56, 43}, {62, 16, 182, 57}},
      {"above", [&] { label->SetAlignTo(altTop); }, {62, -3, 102, 10}, {62, 16, 182, 57}},
  };
  for (const Step& step : steps) {
    step.Act();
    EXPECT_TRUE(Bounds(label) == step.Label) << step.What;
    EXPECT_TRUE(Bounds(edit) == step.Edit) << step.What;
  }
  edit->SetEnabled(false);
  EXPECT_FALSE(label->GetEnabled());
  edit->Hide();
  EXPECT_FALSE(label->GetVisible());
  delete edit;  // the label lets go
  EXPECT_EQ(label->GetAttachTo(), nullptr);
  label->SetBounds(5, 5, 40, 13);
  EXPECT_EQ(label->GetLeft(), 5);
}

TEST_F(LabelsTest, AnEffectLabelKeepsItsTextInPlaceAndShadowsOnlyWithABlur) {
  auto* label = Place<TsLabelFX>(40, 40, 100, 30);
  label->SetAutoSize(false);
  label->SetCaption(L"Shadow");
  label->Kind.SetKindType(ktCustom);
  label->Kind.SetColor(0xFFFFFF);
  label->Shadow.SetMode(smCustom);
  EXPECT_EQ(label->GetOffsetKeeper(), (TacShadowExtent{-3, 5}));
  // A wider shadow: 3 more pixels of room before and after, the text area unchanged.
  label->Shadow.SetBlurCount(7);
  EXPECT_EQ(label->GetOffsetKeeper(), (TacShadowExtent{-6, 8}));
  EXPECT_TRUE(Bounds(label) == (RECT{37, 37, 143, 73}));
  label->Shadow.SetBlurCount(4);
  EXPECT_TRUE(Bounds(label) == (RECT{40, 40, 140, 70}));

  Pump();
  const TBitmap32 shadowed = PrintClient(Form->GetHandle());
  label->Shadow.SetBlurCount(0);  // the room of distance 1 alone: the label shrinks, the text stays
  Pump();
  const TBitmap32 plain = PrintClient(Form->GetHandle());
  // A black shadow darkens pixels around the white text; without blur none are darker.
  int darker = 0;
  for (int y = 40; y < 70; ++y)
    for (int x = 40; x < 140; ++x)
      if ((GetAPixel(shadowed, x, y) & 0xFF) + 40 < (GetAPixel(plain, x, y) & 0xFF)) ++darker;
  EXPECT_GT(darker, 20);

  label->SetWordWrap(true);
  label->SetAngle(90);
  EXPECT_FALSE(label->GetWordWrap());  // turned text does not wrap
  label->SetWordWrap(true);
  EXPECT_EQ(label->GetAngle(), 0);  // and word wrap, set again, wins
}

}  // namespace
