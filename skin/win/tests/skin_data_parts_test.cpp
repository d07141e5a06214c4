#include "skin/win/skin_data_parts.h"

#include <gtest/gtest.h>

#include "framework/application.h"

namespace {

class SkinDataPartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application = &App;
    Form = App.CreateForm<TForm>();
    Form->SetBounds(10, 10, 400, 200);
    Edit = new TWinControl(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(100, 50, 120, 21);
  }
  void TearDown() override { Application = nullptr; }
  TApplication App;
  TForm* Form = nullptr;
  TWinControl* Edit = nullptr;
};

TEST_F(SkinDataPartsTest, BoundLabelSitsBesideItsControlAndFollowsItsState) {
  TsBoundLabel bound(Edit);
  bound.SetCaption(L"User");
  bound.Indent = 2;
  bound.SetActive(true);
  TLabel* label = bound.GetLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetParent(), Form);
  EXPECT_GT(label->GetWidth(), 0);
  EXPECT_EQ(label->GetLeft() + label->GetWidth() + 2 + 4, 100);
  EXPECT_EQ(label->GetTop(), 50 + (21 - label->GetHeight()) / 2);

  Edit->SetEnabled(false);
  bound.Layout = sclTopLeft;
  bound.AlignLabel();
  EXPECT_FALSE(label->GetEnabled());
  EXPECT_EQ(label->GetLeft(), 100);
  EXPECT_EQ(label->GetTop() + label->GetHeight() + 2, 50);
  bound.EnabledAlways = true;
  bound.AlignLabel();
  EXPECT_TRUE(label->GetEnabled());

  // A long caption wraps at MaxWidth - 4: narrower and taller.
  const int oneLine = label->GetHeight();
  bound.MaxWidth = 60;
  bound.SetCaption(L"A caption of many words that cannot stand on one short line");
  EXPECT_LE(label->GetWidth(), 56);
  EXPECT_GT(label->GetHeight(), oneLine);

  bound.SetActive(false);
  EXPECT_EQ(bound.GetLabel(), nullptr);
  EXPECT_EQ(Form->GetControlCount(), 1);
}

TEST_F(SkinDataPartsTest, ScrollSizesStartAtMinusOneAndRepaintTheOwnerOnChange) {
  TsScrollWndData data(Edit, false);
  EXPECT_EQ(data.HorzScrollData.GetScrollWidth(), -1);
  EXPECT_EQ(data.VertScrollData.GetButtonsSize(), -1);
  Form->Show();
  ValidateRect(Edit->GetHandle(), nullptr);
  data.VertScrollData.SetScrollWidth(-1);
  EXPECT_FALSE(GetUpdateRect(Edit->GetHandle(), nullptr, FALSE));
  data.VertScrollData.SetScrollWidth(12);
  EXPECT_EQ(data.VertScrollData.GetScrollWidth(), 12);
  EXPECT_TRUE(GetUpdateRect(Edit->GetHandle(), nullptr, FALSE));
}

}  // namespace
