// The form animations on a live skinned form: each frame pushed to a cover
// window (seen through the step hook, unpaced where the test says so)
// against the frame arithmetic, interruptions that must leave the form
// drawable and no cover behind, and long runs that must leave nothing.
#include "skin/forms/form_animations.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/application.h"
#include "skin/forms/skin_provider.h"
#include "skin/win/skin_manager.h"
#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"
#include "tests/support/internal_skin_manager.h"

namespace {

int CoverWindows() {
  int count = 0;
  EnumWindows(
      [](HWND window, LPARAM data) {
        wchar_t name[64]{};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) == L"LanqueAnimationCover") ++*reinterpret_cast<int*>(data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

bool Layered(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED; }

class FormAnimationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Owner = App.CreateForm<TForm>();  // the main form; the forms below are not
    Manager = NewInternalSkinManager(Owner);
    Form = NewForm(120);
    AnimSwitches() = {};
    AnimSwitches().Paced = false;
    AnimSwitches().OnStep = [this](const TacAnimStep& step) {
      Steps.push_back(step);
      return !OnStep || OnStep(step);
    };
  }
  void TearDown() override { AnimSwitches() = {}; }

  TForm* NewForm(int left) {
    TForm* form = new TForm(Owner);
    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetCaption(L"蓝鹊商务版登陆");
    form->SetBounds(left, 100, 0, 0);
    form->SetClientSize(305, 222);
    new TsSkinProvider(form);
    return form;
  }
  std::vector<TacAnimStep> StepsOf(TacAnimKind kind) const {
    std::vector<TacAnimStep> steps;
    for (const TacAnimStep& s : Steps)
      if (s.Kind == kind) steps.push_back(s);
    return steps;
  }
  // The form is on the screen, drawable and no animation is left over.
  void ExpectSettled(TForm* form, bool visible) {
    HWND window = form->GetHandle();
    EXPECT_EQ(IsWindowVisible(window) != 0, visible);
    EXPECT_FALSE(Layered(window));
    EXPECT_EQ(CoverWindows(), 0);
    EXPECT_FALSE(InAnimationProcess);
  }

  TApplication App;
  TForm* Owner = nullptr;
  TsSkinManager* Manager = nullptr;
  TForm* Form = nullptr;
  std::vector<TacAnimStep> Steps;
  std::function<bool(const TacAnimStep&)> OnStep;
};

TEST_F(FormAnimationsTest, ShowFadesInFrameByFrameAsTheArithmeticSays) {
  Manager->AnimEffects.FormShow = {true, 120, 1};
  Form->Show();
  RECT bounds;
  GetWindowRect(Form->GetHandle(), &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  std::vector<TacAnimFrame> want = ShowAnimFrames(width, height, 120, 255, 1);
  want.push_back(ShowFinalFrame(width, height, 255));
  const std::vector<TacAnimStep> shown = StepsOf(akShow);
  ASSERT_EQ(shown.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(shown[i].Frame, want[i]) << "frame " << i;
    EXPECT_EQ(shown[i].Index, static_cast<int>(i));
    // The cover lies exactly over the form.
    EXPECT_TRUE(EqualRect(&shown[i].Cover, &bounds)) << "frame " << i;
  }
  ExpectSettled(Form, true);

  // Without a time (the manager's default) nothing is animated.
  Form->Hide();
  Steps.clear();
  Manager->AnimEffects.FormShow = {true, 0, 1};
  Form->Show();
  EXPECT_TRUE(Steps.empty());
  ExpectSettled(Form, true);
}

TEST_F(FormAnimationsTest, AShowEndedEarlyOrInterruptedLeavesTheFormDrawableAndNoCover) {
  Manager->AnimEffects.FormShow = {true, 120, 1};
  const struct {
    const char* What;
    std::function<bool(TForm*)> Act;  // at the third frame; false ends the show there
    bool Visible;
  } cases[] = {
      {"an early end", [](TForm*) { return false; }, true},
      {"hidden", [](TForm* f) { f->Hide(); return true; }, false},
      {"hidden and shown again", [](TForm* f) { f->Hide(); f->Show(); return true; }, true},
      {"the skin switched", [this](TForm*) { Manager->SetActive(false); Manager->SetActive(true); return true; }, true},
      {"the skin removed", [this](TForm*) { Manager->SetActive(false); return true; }, true},
      {"closed", [](TForm* f) { f->Close(); return true; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Manager->SetActive(true);
    TForm* form = NewForm(200);
    bool acted = false;  // once: a show started from the hook is not interrupted again
    OnStep = [&](const TacAnimStep& step) {
      return step.Kind != akShow || step.Index != 2 || std::exchange(acted, true) || c.Act(form);
    };
    form->Show();
    OnStep = nullptr;
    ExpectSettled(form, c.Visible);
    delete form;
  }
}

TEST_F(FormAnimationsTest, HideFadesOutOnItsTimerAndASecondHideEndsTheFirst) {
  Manager->AnimEffects.FormHide = {true, 120, 1};
  AnimSwitches().Paced = true;  // the hide runs on its threaded timer
  Form->Show();
  RECT bounds;
  GetWindowRect(Form->GetHandle(), &bounds);
  Form->Hide();
  EXPECT_FALSE(IsWindowVisible(Form->GetHandle()));
  ASSERT_TRUE(PumpUntil([&] { return CoverWindows() == 0; }, 3000));
  const std::vector<TacAnimFrame> want =
      HideAnimFrames(bounds.right - bounds.left, bounds.bottom - bounds.top, 120, 255, 1);
  const std::vector<TacAnimStep> hidden = StepsOf(akHide);
  ASSERT_EQ(hidden.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(hidden[i].Frame, want[i]) << "frame " << i;
  ExpectSettled(Form, false);

  TForm* second = NewForm(500);
  Form->Show();
  second->Show();
  int most = 0;
  OnStep = [&](const TacAnimStep&) {
    most = std::max(most, CoverWindows());
    return true;
  };
  Form->Hide();
  second->Hide();
  ASSERT_TRUE(PumpUntil([&] { return CoverWindows() == 0; }, 3000));
  EXPECT_EQ(most, 1);
  ExpectSettled(second, false);
}

TEST_F(FormAnimationsTest, MinimiseAndRestoreTravelAsTheArithmeticSays) {
  Manager->AnimEffects.Minimizing = {true, 120, 0};
  AnimSwitches().Paced = true;
  AnimSwitches().SmoothMinimize = 1;
  Form->Show();
  HWND window = Form->GetHandle();
  RECT r;
  GetWindowRect(window, &r);
  // Frames' alphas and sizes do not depend on where the taskbar is.
  TacMinimizeAnim anim({r.left, r.top, r.right, r.bottom}, {0, 0, 0, 0}, 10, 63);
  std::vector<TacAnimFrame> down, up;
  TacMinimizeFrame frame;
  while (anim.MinimizeTick(frame)) down.push_back(frame.Frame);
  while (anim.RestoreTick(frame)) up.push_back(frame.Frame);

  SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return CoverWindows() == 0 && IsIconic(window); }, 3000));
  std::vector<TacAnimStep> steps = StepsOf(akMinimize);
  ASSERT_EQ(steps.size(), down.size());
  for (size_t i = 0; i < down.size(); ++i) EXPECT_EQ(steps[i].Frame, down[i]) << "frame " << i;
  EXPECT_FALSE(Layered(window));

  SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(PumpUntil([&] { return CoverWindows() == 0 && !IsIconic(window); }, 3000));
  steps = StepsOf(akRestore);
  ASSERT_EQ(steps.size(), up.size());
  for (size_t i = 0; i < up.size(); ++i) EXPECT_EQ(steps[i].Frame, up[i]) << "frame " << i;
  ExpectSettled(Form, true);
}

TEST_F(FormAnimationsTest, ShowsAndHidesLeaveNothingBehind) {
  Manager->AnimEffects.FormShow = {true, 24, 1};
  Manager->AnimEffects.FormHide = {true, 24, 1};
  AnimSwitches().OnStep = nullptr;
  const auto cycle = [&](int) {
    Form->Show();
    Form->Hide();
  };
  EXPECT_EQ(LeakLoopDrift(LeakLoopCycles(100, 1000), 1000, cycle), "");
  ExpectSettled(Form, false);
}

}  // namespace
