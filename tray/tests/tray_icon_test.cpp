#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"

namespace {

// Records the actions the shell notifications lead to instead of carrying
// them out (no real restore or modal menu in a test).
class TRecordingTrayIcon : public TTrayIcon {
 public:
  using TTrayIcon::TTrayIcon;
  std::vector<std::string> Actions;
  std::vector<int> Indexes;

  void Restore() override { Actions.push_back("Restore"); }
  void ShowMenu() override { Actions.push_back("ShowMenu"); }
  void SetIconIndex(int Value) override {
    Indexes.push_back(Value);
    TTrayIcon::SetIconIndex(Value);
  }
  void Notify(UINT MouseMessage) {
    SendMessageW(GetHandle(), WM_TRAYICON_CALLBACK, 0, MouseMessage);
  }
  void Animate() { DoOnAnimate(); }
};

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Tray = new TRecordingTrayIcon(&App);
  }
  std::vector<std::string> After(UINT MouseMessage) {
    Tray->Actions.clear();
    Tray->Notify(MouseMessage);
    return Tray->Actions;
  }
  using Acts = std::vector<std::string>;

  TApplication App;
  TRecordingTrayIcon* Tray = nullptr;
};

TEST_F(TrayIconTest, ConstructionFillsTheShellRecord) {
  const NOTIFYICONDATAW& data = Tray->GetIconData();
  EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_STATE | NIF_INFO));
  EXPECT_EQ(data.uCallbackMessage, 0x401u);
  EXPECT_EQ(data.hWnd, Tray->GetHandle());
  EXPECT_EQ(data.dwState, static_cast<DWORD>(NIS_SHAREDICON));
  EXPECT_EQ(data.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
  EXPECT_NE(data.hIcon, nullptr);
  EXPECT_EQ(Tray->GetRestoreOn(), imDoubleClick);
  EXPECT_EQ(Tray->GetPopupMenuOn(), imNone);
  EXPECT_EQ(Tray->GetAnimateInterval(), 1000u);
  EXPECT_FALSE(Tray->GetVisible());
}

TEST_F(TrayIconTest, LoginWindowSettingsRestoreOnAnyDoubleClickAndShowTheMenuOnRightRelease) {
  Tray->SetRestoreOn(imDoubleClick);
  Tray->SetPopupMenuOn(imRightClickUp);
  EXPECT_EQ(After(WM_LBUTTONDBLCLK), Acts{"Restore"});
  EXPECT_EQ(After(WM_RBUTTONDBLCLK), Acts{"Restore"});
  EXPECT_EQ(After(WM_MBUTTONDBLCLK), Acts{"Restore"});
  EXPECT_EQ(After(WM_RBUTTONUP), Acts{"ShowMenu"});
  EXPECT_EQ(After(WM_LBUTTONDOWN), Acts{});
  EXPECT_EQ(After(WM_LBUTTONUP), Acts{});  // a single left click does nothing
  EXPECT_EQ(After(WM_RBUTTONDOWN), Acts{});
}

TEST_F(TrayIconTest, EachTriggerActsOnlyOnItsOwnNotifications) {
  struct Case {
    TTrayIconMessage On;
    UINT Fires;
    UINT Quiet;
  };
  const Case cases[] = {
      {imMouseDown, WM_MBUTTONDOWN, WM_MBUTTONUP},  {imMouseUp, WM_RBUTTONUP, WM_RBUTTONDOWN},
      {imLeftClickUp, WM_LBUTTONUP, WM_RBUTTONUP},  {imLeftDoubleClick, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK},
      {imRightClickUp, WM_RBUTTONUP, WM_LBUTTONUP}, {imRightDoubleClick, WM_RBUTTONDBLCLK, WM_LBUTTONDBLCLK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.On);
    Tray->SetRestoreOn(c.On);
    Tray->SetPopupMenuOn(imNone);
    EXPECT_EQ(After(c.Fires), Acts{"Restore"});
    EXPECT_EQ(After(c.Quiet), Acts{});
    Tray->SetRestoreOn(imNone);
    Tray->SetPopupMenuOn(c.On);
    EXPECT_EQ(After(c.Fires), Acts{"ShowMenu"});
  }
}

TEST_F(TrayIconTest, ClickActsOnlyWhenAnOnClickHandlerIsSet) {
  Tray->SetRestoreOn(imClick);
  EXPECT_EQ(After(WM_LBUTTONUP), Acts{});
  int clicks = 0, moves = 0;
  Tray->OnClick = [&](TComponent*) { ++clicks; };
  Tray->OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
  EXPECT_EQ(After(WM_LBUTTONUP), Acts{"Restore"});
  EXPECT_EQ(clicks, 1);
  After(WM_MOUSEMOVE);
  EXPECT_EQ(moves, 1);
}

TEST_F(TrayIconTest, MouseEventsCarryTheirButton) {
  std::vector<std::pair<TMouseButton, TShiftState>> downs;
  Tray->OnMouseDown = [&](TComponent*, TMouseButton Button, TShiftState Shift, int, int) {
    downs.emplace_back(Button, Shift & (ssLeft | ssRight | ssMiddle));
  };
  Tray->Notify(WM_LBUTTONDOWN);
  Tray->Notify(WM_RBUTTONDOWN);
  Tray->Notify(WM_MBUTTONDOWN);
  ASSERT_EQ(downs.size(), 3u);
  EXPECT_EQ(downs[0], std::make_pair(mbLeft, static_cast<TShiftState>(ssLeft)));
  EXPECT_EQ(downs[1], std::make_pair(mbRight, static_cast<TShiftState>(ssRight)));
  EXPECT_EQ(downs[2], std::make_pair(mbMiddle, static_cast<TShiftState>(ssMiddle)));
}

TEST_F(TrayIconTest, BalloonClickRestoresWhateverRestoreOnSays) {
  Tray->SetRestoreOn(imNone);
  EXPECT_EQ(After(WM_TRAYICON_BALLOONCLICK), Acts{"Restore"});
}

TEST_F(TrayIconTest, HintsOf64CharactersOrMoreAreRefused) {
  Tray->SetHint(L"蓝鹊商务版");
  EXPECT_EQ(std::wstring(Tray->GetIconData().szTip), L"蓝鹊商务版");
  EXPECT_TRUE(Tray->GetIconData().uFlags & NIF_TIP);
  Tray->SetHint(std::wstring(64, L'x'));
  EXPECT_EQ(Tray->GetHint(), L"蓝鹊商务版");
  Tray->SetHint(std::wstring(63, L'y'));
  EXPECT_EQ(Tray->GetHint().size(), 63u);
  Tray->SetHint(L"");
  EXPECT_FALSE(Tray->GetIconData().uFlags & NIF_TIP);
}

TEST_F(TrayIconTest, BalloonTextsAreCutToTheirFieldsAndTheCurrentIconStays) {
  const HICON current = Tray->GetCurrentIcon();
  Tray->ShowBalloon(std::wstring(100, L'T'), std::wstring(300, L'x'), LoadIconW(nullptr, IDI_WARNING));
  const NOTIFYICONDATAW& data = Tray->GetIconData();
  EXPECT_EQ(std::wstring(data.szInfoTitle), std::wstring(63, L'T'));
  EXPECT_EQ(std::wstring(data.szInfo), std::wstring(255, L'x'));
  EXPECT_EQ(std::wstring(data.szTip).size(), 127u);
  EXPECT_EQ(data.hIcon, current);
  Tray->ShowBalloon(L"新消息", L"您有3条新消息");
  EXPECT_EQ(std::wstring(Tray->GetIconData().szTip), L"新消息\n您有3条新消息");
}

TEST_F(TrayIconTest, AnimationWalksThroughThreePicturesAndWrapsAround) {
  auto* icons = new TImageList(&App);
  for (LPCWSTR id : {IDI_APPLICATION, IDI_WARNING, IDI_INFORMATION}) icons->AddIcon(LoadIconW(nullptr, id));
  Tray->SetIcons(icons);
  Tray->SetAnimateInterval(10);
  Tray->SetAnimate(true);
  EXPECT_TRUE(Tray->GetAnimate());
  // Five ticks of the real timer, through the message loop.
  auto* stop = new TTimer(&App);
  stop->SetEnabled(false);
  int ticks = 0;
  stop->OnTimer = [&](TComponent*) {
    if (Tray->Indexes.size() >= 5 || ++ticks > 500) App.Terminate();
  };
  stop->SetInterval(5);
  stop->SetEnabled(true);
  App.Run();
  ASSERT_GE(Tray->Indexes.size(), 5u);
  EXPECT_EQ(std::vector<int>(Tray->Indexes.begin(), Tray->Indexes.begin() + 5), (std::vector<int>{1, 2, 0, 1, 2}));

  delete icons;  // the tray forgets the list and stops needing it
  EXPECT_EQ(Tray->GetIcons(), nullptr);
  Tray->Animate();  // no pictures: nothing to advance to
}

TEST_F(TrayIconTest, AnimateStaysOffWithoutAnImageList) {
  Tray->SetAnimate(true);
  EXPECT_FALSE(Tray->GetAnimate());
}

TEST_F(TrayIconTest, VisibleAddsTheIconAndHooksTheMainWindowsMinimise) {
  auto* form = App.CreateForm<TForm>();
  TTrayIcon* tray = new TTrayIcon(&App);
  int minimized = 0;
  tray->OnMinimize = [&](TComponent*) { ++minimized; };
  tray->SetVisible(true);
  form->Show();
  SendMessageW(form->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_GE(minimized, 1);
  EXPECT_FALSE(IsWindowVisible(form->GetHandle()));  // no taskbar button remains
  tray->SetVisible(false);
  delete tray;
}

}  // namespace
