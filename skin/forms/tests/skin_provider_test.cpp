// The skin provider on a live form under the internal skin: hit codes, the
// window region, snapping, broadcasts that reach it once, giving the form
// back on removal, and long runs that must leave nothing behind.
#include "skin/forms/skin_provider.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/forms/frame/frame_region.h"
#include "skin/forms/frame_form_win.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/skin_manager.h"
#include "skins/internal_skin.h"
#include "tests/support/skinned_form.h"
#include "tests/support/leak_probe.h"

namespace {

// Counts the skin commands that reach the form's window, from above every
// other hook of the window.
struct TCommandCounter {
  int NewSkins = 0;
  int RemoveSkins = 0;
  static LRESULT CALLBACK Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR Data) {
    auto* self = reinterpret_cast<TCommandCounter*>(Data);
    if (Msg == SM_ALPHACMD && AcmCode(WParam) == acmNewSkin) ++self->NewSkins;
    if (Msg == SM_ALPHACMD && AcmCode(WParam) == acmRemoveSkin) ++self->RemoveSkins;
    return DefSubclassProc(Window, Msg, WParam, LParam);
  }
};

using SkinProviderTest = SkinnedFormTest;

TEST_F(SkinProviderTest, TheFrameIsTheSkinsWithOnlyTheLoneCloseButton) {
  HWND window = Form->GetHandle();
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU);
  const TacCaptionLayout& layout = Provider->GetCache().Layout();
  EXPECT_TRUE(layout.ButtonClose.Visible());
  EXPECT_FALSE(layout.ButtonMin.Visible());
  EXPECT_FALSE(layout.ButtonMax.Visible());
  EXPECT_EQ(layout.ButtonClose.ImageIndex, Manager->Model.GetMaskIndex("GLOBALINFO", "BICLOSEALONE"));
  EXPECT_GE(layout.ButtonClose.ImageIndex, 0);
  EXPECT_EQ(TsSkinProvider::GetSkinProvider(Manager), Provider);  // found from any component of the form
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 305);
  EXPECT_EQ(client.bottom, 222);
}

TEST_F(SkinProviderTest, HitCodesFollowTheCaptionLayout) {
  const TacCaptionLayout& layout = Provider->GetCache().Layout();
  const TRect close = layout.ButtonClose.Rect;
  const TRect icon = layout.IconRect;
  const int captionY = layout.CaptionVCenter;
  RECT bounds;
  GetWindowRect(Form->GetHandle(), &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  struct {
    int X, Y;
    LRESULT Code;
  } table[] = {
      {(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2, HTCLOSE},
      {width / 2, captionY, HTCAPTION},
      {(icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2, HTSYSMENU},
      {width / 2, height / 2, HTCLIENT},
      {1, height / 2, HTBORDER},  // a fixed frame: the system answers for its edges
  };
  for (const auto& row : table) EXPECT_EQ(HitAt(row.X, row.Y), row.Code) << row.X << "," << row.Y;
}

TEST_F(SkinProviderTest, TheWindowRegionIsTheOneComputedFromTheMasks) {
  HWND window = Form->GetHandle();
  const TOwnedRegion actual(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window, actual.Get()), ERROR);
  TacFrameForm form = DescribeForm(*Form);
  form.Active = Provider->GetFormActive();
  form.SkinSection = "FORM";
  const TacWindowRegion expected =
      FrameRegion(Manager->Model, Provider->GetCache().Sections(), form, Provider->GetCache().Layout());
  ASSERT_FALSE(expected.Remove);
  const TOwnedRegion wanted = RegionFromRects(expected.Rects);
  EXPECT_TRUE(EqualRgn(actual.Get(), wanted.Get()));
  RECT box;
  GetRgnBox(actual.Get(), &box);
  EXPECT_FALSE(PtInRegion(actual.Get(), 0, 0)) << "the top-left corner is cut";
}

TEST_F(SkinProviderTest, MovesSnapWithinTheBufferOfEachWorkAreaEdge) {
  Provider->ScreenSnap = true;
  HWND window = Form->GetHandle();
  MONITORINFO monitor{sizeof(monitor)};
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  RECT bounds;
  GetWindowRect(window, &bounds);
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  auto moveTo = [&](int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(window, &bounds);
    return POINT{bounds.left, bounds.top};
  };
  const int mid = (work.top + work.bottom - h) / 2, centre = (work.left + work.right - w) / 2;
  EXPECT_EQ(moveTo(work.left + 9, mid).x, work.left);
  EXPECT_EQ(moveTo(work.left + 10, mid).x, work.left + 10);
  EXPECT_EQ(moveTo(work.right - w - 9, mid).x, work.right - w);
  EXPECT_EQ(moveTo(centre, work.top + 9).y, work.top);
  EXPECT_EQ(moveTo(centre, work.bottom - h - 5).y, work.bottom - h);
  Provider->ScreenSnap = false;
  EXPECT_EQ(moveTo(work.left + 9, mid).x, work.left + 9);
}

TEST_F(SkinProviderTest, SkinBroadcastsReachTheFormOnceAndRemovalGivesItBack) {
  HWND window = Form->GetHandle();
  TCommandCounter counter;
  SetWindowSubclass(window, TCommandCounter::Proc, 1, reinterpret_cast<DWORD_PTR>(&counter));
  Manager->SetActive(false);
  EXPECT_EQ(counter.RemoveSkins, 1);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU);  // the system's frame and menu again
  const TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, region.Get()), ERROR);
  EXPECT_EQ(Form->GetColor(), clBtnFace);

  Manager->SetActive(true);
  EXPECT_EQ(counter.NewSkins, 1);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU);
  EXPECT_NE(GetWindowRgn(window, region.Get()), ERROR);
  RemoveWindowSubclass(window, TCommandCounter::Proc, 1);
  // With our subclass and the counter gone, the window's procedure is the one it had.
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), SavedProc);
}

TEST_F(SkinProviderTest, AProviderFreedBeforeItsFormGivesTheFormBack) {
  HWND window = Form->GetHandle();
  delete Provider;
  EXPECT_EQ(Form->GetSkinHooks(), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU);
  const TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, region.Get()), ERROR);
  // A skin broadcast afterwards reaches nothing that was freed.
  Manager->SetActive(false);
  Manager->SetActive(true);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), SavedProc);
}

TEST_F(SkinProviderTest, ActivationsAndSkinSwitchesLeaveNothingBehind) {
  HWND window = Form->GetHandle();
  auto cycle = [&](int) {
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  };
  EXPECT_EQ(LeakLoopDrift(LeakLoopCycles(200, 1000), 1000, cycle), "");
  EXPECT_TRUE(Provider->GetFormActive());

  auto switchSkin = [&](int) {
    Manager->SetActive(false);
    Manager->SetActive(true);
  };
  EXPECT_EQ(LeakLoopDrift(LeakLoopCycles(200, 1000), 1000, switchSkin, 5), "");
}

}  // namespace
