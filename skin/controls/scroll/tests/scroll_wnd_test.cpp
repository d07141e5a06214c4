// The skinned bars on real windows: presses on arrows, track and thumb send
// the window's scroll messages, a long list reaches its end by thumb and by
// keyboard, and typing repaints the bars without rebuilding the frame.
#include <gtest/gtest.h>

#include <vector>

#include "browser/page_engine.h"
#include "framework/window_subclass.h"
#include "skin/forms/dialog_provider.h"
#include "skin/controls/scroll/tests/scroll_form.h"
#include "tests/support/message_pump.h"

namespace {

struct TScrollSeen {
  int Code, High;
};

// Records the scroll messages a window receives (below the adapter).
class TScrollRecorder {
 public:
  explicit TScrollRecorder(HWND Window)
      : FSubclass([this](TMessage& m) {
          if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) Seen.push_back({LOWORD(m.WParam), HIWORD(m.WParam)});
          FSubclass.CallDefault(m);
        }) {
    FSubclass.Attach(Window);
  }
  std::vector<TScrollSeen> Seen;
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& s : Seen) codes.push_back(s.Code);
    return codes;
  }

 private:
  TWindowSubclass FSubclass;
};

LPARAM ScreenPoint(int x, int y) { return MAKELPARAM(static_cast<short>(x), static_cast<short>(y)); }

// Client coordinates of a screen point, as a mouse message carries them.
LPARAM ClientPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ScreenToClient(window, &p);
  return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

int VisibleLines(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  return height > 0 ? client.bottom / height : 0;
}

// A list whose adapter is attached before a recorder: the recorder hears what the adapter sends.
struct TRecordedList {
  explicit TRecordedList(int Items) : Form(Items) {
    Form.ListAdapter.reset();
    Recorder = std::make_unique<TScrollRecorder>(Form.List);
    Form.ListAdapter = std::make_unique<TacEditWnd>(Form.List, Form.Manager.get(), TacSkinParams{});
    Form.ListAdapter->Attach();
    SetWindowPos(Form.List, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    PumpFor(50);
  }
  TScrollForm Form;
  std::unique_ptr<TScrollRecorder> Recorder;
};

}  // namespace

TEST(ScrollWnd, PressesOnArrowsTrackAndThumbScrollTheList) {
  TRecordedList list(200);
  const HWND window = list.Form.List;
  ASSERT_TRUE(list.Form.ListAdapter->BarVisible(1));
  const RECT bar = list.Form.ListAdapter->BarScreenRect(1);
  const int x = (bar.left + bar.right) / 2;
  const int button = list.Form.ListAdapter->GetScrollMetric(1, 0);
  const int page = VisibleLines(window);
  ASSERT_GT(page, 0);
  struct Case {
    const char* Name;
    int StartTop;
    int Y;  // offset from the bar's top; negative from its bottom
    std::vector<int> Codes;
    int Top;
  } const cases[] = {
      {"second arrow", 0, -2, {SB_LINEDOWN, SB_ENDSCROLL}, 1},
      {"first arrow", 5, 2, {SB_LINEUP, SB_ENDSCROLL}, 4},
      {"track after the thumb", 0, -button - 2, {SB_PAGEDOWN, SB_ENDSCROLL}, page},
      {"track before the thumb", 100, button + 2, {SB_PAGEUP, SB_ENDSCROLL}, 100 - page},
  };
  for (const Case& c : cases) {
    SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(c.StartTop), 0);
    list.Recorder->Seen.clear();
    const int y = c.Y >= 0 ? bar.top + c.Y : bar.bottom + c.Y;
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenPoint(x, y)), HTVSCROLL) << c.Name;
    SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenPoint(x, y));
    EXPECT_EQ(GetCapture(), window) << c.Name;
    SendMessageW(window, WM_LBUTTONUP, 0, ClientPoint(window, x, y));
    EXPECT_EQ(list.Recorder->Codes(), c.Codes) << c.Name;
    EXPECT_EQ(SendMessageW(window, LB_GETTOPINDEX, 0, 0), c.Top) << c.Name;
    EXPECT_NE(GetCapture(), window) << c.Name;
  }

  // The thumb: held, dragged down by a third of the track, released.
  SendMessageW(window, LB_SETTOPINDEX, 0, 0);
  list.Recorder->Seen.clear();
  const int thumbY = bar.top + button + 3;
  SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenPoint(x, thumbY));
  EXPECT_TRUE(list.Form.ListAdapter->ThumbTracking());
  const int third = (bar.bottom - bar.top - 2 * button) / 3;
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(window, x, thumbY + third));
  SendMessageW(window, WM_LBUTTONUP, 0, ClientPoint(window, x, thumbY + third));
  const std::vector<int> codes = list.Recorder->Codes();
  ASSERT_EQ(codes, (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
  EXPECT_EQ(top, list.Recorder->Seen[0].High);
  EXPECT_NEAR(top, (200 - page) / 3, 200 / 20);
  EXPECT_FALSE(list.Form.ListAdapter->ThumbTracking());
}

TEST(ScrollWnd, HundredThousandLinesReachTheirEndByThumbAndByKeyboard) {
  constexpr int kItems = 100000;
  TRecordedList list(kItems);
  const HWND window = list.Form.List;
  const int page = VisibleLines(window);
  const int last = kItems - page;
  const RECT bar = list.Form.ListAdapter->BarScreenRect(1);
  const int x = (bar.left + bar.right) / 2;
  const int button = list.Form.ListAdapter->GetScrollMetric(1, 0);

  const int thumbY = bar.top + button + 3;
  SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenPoint(x, thumbY));
  // Three quarters of the way: a position beyond 16 bits reaches the list whole.
  const int span = bar.bottom - bar.top - 2 * button - acMinThumbSize;
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(window, x, thumbY + span * 3 / 4));
  const int along = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
  EXPECT_GT(along, 0xFFFF);
  EXPECT_NEAR(along, last * 3 / 4, last / 100);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), along);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(window, x, bar.bottom + 400));
  EXPECT_EQ(list.Recorder->Seen.back().High, 0xFFFF);  // the message's own 16 bits cannot say it
  EXPECT_EQ(SendMessageW(window, LB_GETTOPINDEX, 0, 0), last);
  SendMessageW(window, WM_LBUTTONUP, 0, ClientPoint(window, x, bar.bottom + 400));
  EXPECT_EQ(SendMessageW(window, LB_GETTOPINDEX, 0, 0), last);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), last);

  // Back to the first line, selected, then End on the keyboard.
  SendMessageW(window, LB_SETCURSEL, 0, 0);
  SetFocus(window);
  const int repaints = list.Form.ListAdapter->BarRepaints();
  ASSERT_EQ(GetFocus(), window);
  // End as the keyboard sends it: an extended key with its scan code.
  SendMessageW(window, WM_KEYDOWN, VK_END, 0x014F0001);
  SendMessageW(window, WM_KEYUP, VK_END, 0xC14F0001);
  EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), kItems - 1);
  EXPECT_EQ(SendMessageW(window, LB_GETTOPINDEX, 0, 0), last);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), last);
  EXPECT_GT(list.Form.ListAdapter->BarRepaints(), repaints);  // the bars followed
}

TEST(ScrollWnd, TypingRepaintsTheBarsAtMostOncePerKeyAndBuildsNoFrame) {
  TScrollForm form;
  PumpFor(50);
  SetFocus(form.Edit);
  PumpFor(20);
  SendMessageW(form.Edit, EM_SETSEL, 0, -1);
  SendMessageW(form.Edit, WM_CLEAR, 0, 0);
  PumpFor(20);
  const int builds = form.EditAdapter->CacheBuilds();
  const int repaints = form.EditAdapter->BarRepaints();
  const std::wstring typed = L"abc\rdef\rghi\rjkl\rmno\rpqr\rstu\rvwx\ryz0\r123\r456\r789\rABC\rDEF\rGHI\rJKL\rMNO\rPQR\rSTU\rVWX\rYZ.\r";
  // As the keyboard brings them: key down, its character, key up, in the queue.
  for (wchar_t c : typed) {
    const WPARAM key = c == L'\r' ? VK_RETURN : static_cast<WPARAM>(VkKeyScanW(c) & 0xFF);
    PostMessageW(form.Edit, WM_KEYDOWN, key, 1);
    PostMessageW(form.Edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    PostMessageW(form.Edit, WM_KEYUP, key, 0xC0000001);
  }
  // Dispatched untranslated: the characters are in the queue already.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_GT(SendMessageW(form.Edit, EM_GETLINECOUNT, 0, 0), 20);
  EXPECT_GT(GetScrollPos(form.Edit, SB_VERT), 0);  // the typing scrolled
  EXPECT_EQ(form.EditAdapter->CacheBuilds(), builds);
  const int painted = form.EditAdapter->BarRepaints() - repaints;
  EXPECT_GT(painted, 0);
  EXPECT_LE(painted, static_cast<int>(typed.size()));
}

TEST(ScrollWnd, ControlArrowClickReachesItsParent) {
  TScrollForm form;
  PumpFor(50);
  std::vector<int> codes;
  TWindowSubclass parent([&](TMessage& m) {
    if (m.Msg == WM_VSCROLL && reinterpret_cast<HWND>(m.LParam) == form.Bar) codes.push_back(LOWORD(m.WParam));
    parent.CallDefault(m);
  });
  parent.Attach(form.Window.Get());
  RECT client{};
  GetClientRect(form.Bar, &client);
  const LPARAM arrow = MAKELPARAM(client.right / 2, client.bottom - 3);
  const int paints = form.BarAdapter->Paints();
  PostMessageW(form.Bar, WM_LBUTTONUP, 0, arrow);  // ends the control's own tracking
  SendMessageW(form.Bar, WM_LBUTTONDOWN, MK_LBUTTON, arrow);
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.front(), SB_LINEDOWN);
  EXPECT_GE(form.BarAdapter->Paints(), paints + 2);  // pressed, then released
  parent.Detach();
}

TEST(ScrollWnd, PageEngineTextViewWearsTheSkinnedBars) {
  TScrollForm form;
  TOwnedWindow container(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 12, 12, 300, 200, form.Window.Get(),
                                         nullptr, GetModuleHandleW(nullptr), nullptr));
  SetTextViewDecorator([&](HWND view) -> std::shared_ptr<void> { return AdaptEditWindow(view, form.Manager.get()); });
  auto engine = std::make_unique<PageBrowserEngine>(container.Get());
  SetTextViewDecorator({});
  const HWND view = engine->View();
  auto* adapter = dynamic_cast<TacEditWnd*>(TacMainWnd::Of(view));
  ASSERT_NE(adapter, nullptr);
  std::wstring text;
  for (int i = 0; i < 100; ++i) text += L"Page line " + std::to_wstring(i) + L"\r\n";
  SetWindowTextW(view, text.c_str());
  ShowScrollBar(view, SB_VERT, TRUE);
  PumpFor(30);
  ASSERT_TRUE(adapter->BarVisible(1));
  const RECT bar = adapter->BarScreenRect(1);
  const LPARAM arrow = ScreenPoint((bar.left + bar.right) / 2, bar.bottom - 2);
  EXPECT_EQ(SendMessageW(view, WM_NCHITTEST, 0, arrow), HTVSCROLL);
  SendMessageW(view, WM_NCLBUTTONDOWN, HTVSCROLL, arrow);
  SendMessageW(view, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
  engine.reset();  // the adapter goes with the view
  EXPECT_FALSE(IsWindow(view));
}

TEST(ScrollWnd, DialogChildrenGetTheScrollAdaptersByClassAndStyle) {
  TScrollForm form;
  TacProvider provider(form.Window.Get(), form.Manager.get());
  enum TKind { None, Edit, Bar };
  struct Case {
    const wchar_t* Class;
    DWORD Style;
    TKind Kind;
  } const cases[] = {
      {L"Edit", ES_MULTILINE | WS_VSCROLL, Edit},
      {L"Edit", ES_AUTOHSCROLL, None},  // one line: not this adapter's
      {L"ListBox", WS_VSCROLL | LBS_NOTIFY, Edit},
      {L"ScrollBar", SBS_HORZ, Bar},
      {L"ScrollBar", SBS_SIZEGRIP, None},
  };
  for (const Case& c : cases) {
    TOwnedWindow child(CreateWindowExW(0, c.Class, L"", WS_CHILD | WS_VISIBLE | c.Style, 0, 0, 120, 80,
                                       form.Window.Get(), nullptr, GetModuleHandleW(nullptr), nullptr));
    const std::unique_ptr<TacMainWnd> adapter = provider.AddControl(child.Get());
    const TKind kind = dynamic_cast<TacEditWnd*>(adapter.get()) ? Edit
                       : dynamic_cast<TacSBWnd*>(adapter.get()) ? Bar
                                                                 : None;
    EXPECT_EQ(kind, c.Kind) << "case " << (&c - cases);
    if (adapter) {
      EXPECT_EQ(TacMainWnd::Of(child.Get()), adapter.get());
    }
  }
}
