// The skinned edit and label on a skinned form: the password edit's inactive
// face shows its mask, typing rebuilds no picture, the colours a skin gives,
// and the label's colour and measuring rules.
#include "skin/controls/basic/edit.h"
#include "skin/controls/basic/label.h"

#include "tests/support/print_client.h"
#include "tests/support/skinned_form.h"
#include "skin/paint/colors.h"
#include "skin/paint/pixel_changes.h"

namespace {

class EditTest : public SkinnedFormTest {
 protected:
  TsEdit* Field(int Top, const wchar_t* Text, wchar_t Password = 0) {
    auto* edit = Place<TsEdit>(112, Top, 121, 21);
    edit->SetPasswordChar(Password);
    edit->SetText(Text);
    return edit;
  }
  // The inactive edit's whole face as its cache holds it.
  static TBitmap32 Face(TsEdit* Edit) {
    const TBitmap32& cache = *Edit->SkinData.CacheBitmap;
    TBitmap32 copy(cache.Width(), cache.Height());
    for (int y = 0; y < cache.Height(); ++y)
      for (int x = 0; x < cache.Width(); ++x) SetAPixel(copy, x, y, GetAPixel(cache, x, y));
    return copy;
  }
};

TEST_F(EditTest, APasswordEditShowsItsMaskWhileInactive) {
  TsEdit* password = Field(112, L"abc", L'*');
  TsEdit* stars = Field(136, L"***");
  TsEdit* plain = Field(160, L"abc");
  Pump();
  ASSERT_TRUE(password->SkinData.Skinned(true));
  EXPECT_TRUE(GetWindowLongPtrW(password->GetHandle(), GWL_STYLE) & ES_PASSWORD);
  EXPECT_EQ(SendMessageW(password->GetHandle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(password->GetText(), L"abc");  // the text itself is kept
  EXPECT_EQ(password->ShownText(), L"***");
  const TRect whole{0, 0, password->GetWidth(), password->GetHeight()};
  EXPECT_FALSE(Differ(Face(password), Face(stars), whole));
  EXPECT_TRUE(Differ(Face(password), Face(plain), whole));
  // The inactive window shows the picture's client part.
  const int b = password->BorderWidth();
  EXPECT_EQ(b, 2);
  const TBitmap32 shown = PrintClient(password->GetHandle());
  EXPECT_EQ(GetAPixel(shown, 3, 3) & 0xFFFFFF, GetAPixel(*password->SkinData.CacheBitmap, 3 + b, 3 + b) & 0xFFFFFF);
}

TEST_F(EditTest, TypingRebuildsNoPicture) {
  TsEdit* edit = Field(112, L"");
  TsEdit* other = Field(136, L"");
  Pump();
  edit->SetFocus();
  Pump();
  const int builds = edit->CacheBuilds();
  for (const wchar_t c : std::wstring(L"10001")) PostMessageW(edit->GetHandle(), WM_CHAR, c, 1);
  Pump();
  RedrawWindow(edit->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(edit->GetText(), L"10001");
  EXPECT_EQ(edit->CacheBuilds(), builds);
  // Leaving it shows the typed text from a new picture.
  other->SetFocus();
  Pump();
  EXPECT_GT(edit->CacheBuilds(), builds);
  EXPECT_FALSE(edit->SkinData.CacheIsStale());
}

TEST_F(EditTest, FocusGivesTheHotColourOfAManyStateSectionAndLeavingTheNormalOne) {
  // A one-state section changes nothing on focus; leaving gives the normal
  // colour again; a control that keeps its own colour keeps it throughout.
  const TColor field = 16774637, normal = 0xFFFFFF, hot = 0x00FF00;
  TsGeneralData& section = Manager->Model.gd[static_cast<size_t>(Manager->Model.GetSkinIndex("EDIT"))];
  section.Props[0].Color = normal;
  section.Props[1].Color = hot;
  struct TRow {
    int States;
    bool CustomColor;
    TColor Focused;
    TColor Left;
  };
  for (const TRow row : {TRow{1, false, field, normal}, TRow{3, false, hot, normal}, TRow{3, true, field, field}}) {
    SCOPED_TRACE(testing::Message() << row.States << " states, custom " << row.CustomColor);
    section.States = row.States;
    TsEdit* edit = Field(112, L"");
    edit->SkinData.CustomColor = row.CustomColor;
    Pump();
    edit->SetColor(field);
    edit->SetFocus();
    Pump();
    EXPECT_EQ(edit->GetColor(), row.Focused);
    Form->SetFocus();
    Pump();
    EXPECT_EQ(edit->GetColor(), row.Left);
    delete edit;
  }
}

class LabelTest : public SkinnedFormTest {};

TEST_F(LabelTest, TheTextColourFollowsTheSkinUnlessToldOtherwise) {
  auto* label = Place<TsLabel>(16, 200, 193, 13);
  label->GetFont().SetColor(clRed);
  const TsSkinModel& model = Manager->Model;
  const TColor placeColour = model.GetGlobalFontColor();  // the form's section gives no font of its own
  const TColor buttonText = model.gd[static_cast<size_t>(model.GetSkinIndex("BUTTON"))].Props[0].FontColor[0];
  ASSERT_NE(placeColour, static_cast<TColor>(clRed));
  struct TRow {
    const char* What;
    bool UseSkinColor;
    bool Active;
    const char* Section;
    bool Enabled;
    TColor Expected;
  };
  const TRow rows[] = {
      {"the skin's colour over the form's red", true, true, "", true, placeColour},
      {"own colour when told so", false, true, "", true, clRed},
      {"own colour without a skin", true, false, "", true, clRed},
      {"a see-through section gives the place's colour", true, true, "CHECKBOX", true, placeColour},
      {"a section that shows gives its own", true, true, "BUTTON", true, buttonText},
      {"an unknown section gives the place's colour", true, true, "NOSUCH", true, placeColour},
      {"disabled: mixed with the parent's colour", true, true, "", false,
       MixColors(ColorToRGB(placeColour), GetControlColor(Form), DefDisabledBlend)},
      // The skin came back above: the form's scan of plain labels passed it by.
      {"own colour still after the skin came back", false, true, "", true, clRed},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.What);
    Manager->SetActive(row.Active);
    label->SetUseSkinColor(row.UseSkinColor);
    label->SetSkinSection(row.Section);
    label->SetEnabled(row.Enabled);
    EXPECT_EQ(ColorToRGB(label->TextColor()), ColorToRGB(row.Expected));
  }
}

TEST_F(LabelTest, TheFirstSectionOfTheSkinPaintsLikeAnyOther) {
  // Section index 0 is a section too: its background goes under the text.
  TsSkinModel& model = Manager->Model;
  ASSERT_FALSE(model.gd.empty());
  TsGeneralData& first = model.gd[0];
  ASSERT_EQ(model.GetSkinIndex(first.SectionName), 0);
  const TColor colour = 0x2040C0;
  first.States = 1;
  first.Props[0] = TsGenState{};
  first.Props[0].Color = colour;
  first.Props[0].Transparency = 0;
  first.BorderMaskIndex = -1;
  first.CornerImageIndex = {-1, -1, -1, -1};
  auto* label = Place<TsLabel>(16, 200, 193, 13);
  label->SetSkinSection(first.SectionName);
  Pump();
  const TBitmap32 shown = PrintClient(Form->GetHandle());
  EXPECT_EQ(GetAPixel(shown, 16 + 190, 200 + 1) & 0xFFFFFF, 0xC04020u);  // red 0xC0, green 0x40, blue 0x20
  EXPECT_EQ(GetAPixel(shown, 16 + 2, 200 + 11) & 0xFFFFFF, 0xC04020u);
}

TEST_F(LabelTest, AnEmptyCaptionMeasuresAsOneBlank) {
  auto* label = Place<TsLabel>(16, 200, 193, 13);
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  auto measure = [&](const wchar_t* caption, bool accel) {
    label->SetCaption(caption);
    label->SetShowAccelChar(accel);
    RECT rect{0, 0, 193, 0};
    label->DoDrawText(dc.Get(), rect, DT_CALCRECT);
    return rect;
  };
  const RECT blank = measure(L" ", true);
  ASSERT_GT(blank.bottom, 0);
  for (const auto& [caption, accel] : {std::pair{L"", true}, std::pair{L"", false}, std::pair{L"&", true}}) {
    const RECT rect = measure(caption, accel);
    EXPECT_EQ(rect.bottom, blank.bottom);
    EXPECT_EQ(rect.right, blank.right);
  }
  EXPECT_GT(measure(L"&", false).right, 0);  // shown as it is
}

}  // namespace
