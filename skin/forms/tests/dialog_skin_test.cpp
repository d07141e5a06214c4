// Message boxes and their controls skinned from outside under the internal
// skin: which boxes wear the skin, the keyboard answering as it does on a
// plain box, the adapters leaving every window as they found it, and long
// runs that leave nothing behind.
#include "skin/forms/skin_hook.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/controls/adapters/btn_wnd.h"
#include "skin/controls/adapters/link_text.h"
#include "tests/support/skinned_form.h"
#include "tests/support/leak_probe.h"

namespace {

// Runs Action on the message box of this thread once it is up (from a timer
// of its modal loop) and answers what MessageBoxW answered.
std::function<void(HWND)> gAction;

HWND FindBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK BoxTimer(HWND, UINT, UINT_PTR Id, DWORD) {
  HWND box = FindBox();
  if (!box) return;
  KillTimer(nullptr, Id);
  auto action = std::move(gAction);
  gAction = nullptr;
  if (action) action(box);
}

int RunBox(HWND Owner, UINT Flags, std::function<void(HWND)> Action) {
  gAction = std::move(Action);
  SetTimer(nullptr, 0, 1, BoxTimer);
  return MessageBoxW(Owner, L"你确定要退出吗？", L"提示", Flags);
}

struct TChild {
  std::wstring Class;
  HWND Window;
};

std::vector<TChild> Children(HWND box) {
  std::vector<TChild> children;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        reinterpret_cast<std::vector<TChild>*>(data)->push_back({name, child});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

bool Adapted(HWND window) { return GetPropW(window, kAdapterProperty) != nullptr; }
// Every visible window of the box (itself and its visible children) adapted,
// and its procedure not the class's while adapted; or none.
int AdaptedCount(HWND box, bool& procsFollow) {
  int count = 0;
  procsFollow = true;
  std::vector<TChild> all = Children(box);
  all.push_back({L"#32770", box});
  for (const TChild& c : all) {
    if (!IsWindowVisible(c.Window)) continue;
    const bool adapted = Adapted(c.Window);
    const bool ownProc = static_cast<ULONG_PTR>(GetWindowLongPtrW(c.Window, GWLP_WNDPROC)) ==
                         GetClassLongPtrW(c.Window, GCLP_WNDPROC);
    if (adapted == ownProc) procsFollow = false;
    count += adapted;
  }
  return count;
}

int VisibleWindows(HWND box) {
  int count = 1;
  for (const TChild& c : Children(box)) count += IsWindowVisible(c.Window) != FALSE;
  return count;
}

class DialogSkinTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    Hook = new TacSkinHook(Manager);
  }
  TacSkinHook* Hook = nullptr;
};

TEST_F(DialogSkinTest, EveryPartOfAMessageBoxIsAdaptedAndRemovingTheSkinGivesEachBack) {
  int skinned = -1, visible = -1, removed = -1, again = -1;
  bool procsSkinned = false, procsRemoved = false, procsAgain = false;
  std::vector<std::wstring> adaptedClasses;
  RunBox(Form->GetHandle(), MB_YESNO | MB_ICONQUESTION, [&](HWND box) {
    visible = VisibleWindows(box);
    skinned = AdaptedCount(box, procsSkinned);
    for (const TChild& c : Children(box))
      if (Adapted(c.Window)) adaptedClasses.push_back(c.Class);
    Manager->SetActive(false);
    removed = AdaptedCount(box, procsRemoved);
    Manager->SetActive(true);
    again = AdaptedCount(box, procsAgain);
    PostMessageW(box, WM_COMMAND, IDNO, 0);
  });
  // The box, its icon, its text and its two buttons.
  EXPECT_EQ(visible, 5);
  EXPECT_EQ(skinned, visible);
  EXPECT_TRUE(procsSkinned);
  EXPECT_EQ(removed, 0);
  EXPECT_TRUE(procsRemoved);
  EXPECT_EQ(again, visible);
  EXPECT_TRUE(procsAgain);
  EXPECT_EQ(std::count(adaptedClasses.begin(), adaptedClasses.end(), L"Button"), 2);
  EXPECT_EQ(std::count(adaptedClasses.begin(), adaptedClasses.end(), L"Static"), 2);
  EXPECT_EQ(Hook->ProviderCount(), 1u);  // freed at the next window's destruction or creation
}

TEST_F(DialogSkinTest, OnlyBoxesTheRulesAllowWearTheSkin) {
  struct {
    const char* Case;
    bool FormOwner;
    bool PlainOwner;
    bool Veto;
    unsigned Rules;
    bool Skinned;
  } table[] = {
      {"owned by the skinned form", true, false, false, srStdForms | srStdDialogs, true},
      {"without owner", false, false, false, srStdForms | srStdDialogs, true},
      {"owned by a window that is not skinned", false, true, false, srStdForms | srStdDialogs, false},
      {"vetoed by the manager's event", true, false, true, srStdForms | srStdDialogs, false},
      {"dialogs left out of the rules", true, false, false, srStdForms, false},
  };
  HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  for (const auto& row : table) {
    Manager->SkinningRules = row.Rules;
    Manager->OnSysDlgInit = [&row](HWND, bool& allow) { allow = !row.Veto; };
    HWND owner = row.FormOwner ? Form->GetHandle() : row.PlainOwner ? plain : nullptr;
    bool skinned = !row.Skinned;
    RunBox(owner, MB_OK, [&skinned](HWND box) {
      skinned = Adapted(box);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(skinned, row.Skinned) << row.Case;
  }
  DestroyWindow(plain);
}

TEST_F(DialogSkinTest, KeysAnswerTheSameOnASkinnedBoxAsOnAPlainOne) {
  enum TKeys { kEnter, kEscape, kTabEnter, kAccelNo };
  struct {
    const char* Case;
    UINT Flags;
    TKeys Keys;
    int Answer;
  } table[] = {
      {"Enter presses the default button", MB_YESNO, kEnter, IDYES},
      {"Escape cancels", MB_OKCANCEL, kEscape, IDCANCEL},
      {"Tab moves on to the next button", MB_YESNO, kTabEnter, IDNO},
      {"the accelerator letter of No", MB_YESNO, kAccelNo, IDNO},
  };
  const auto press = [](HWND box, TKeys keys) {
    const auto key = [](WPARAM vk, wchar_t ch) {
      HWND focus = GetFocus();
      PostMessageW(focus, WM_KEYDOWN, vk, 1);
      if (ch) PostMessageW(focus, WM_CHAR, ch, 1);
      PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
    };
    switch (keys) {
      case kEnter: key(VK_RETURN, L'\r'); break;
      case kEscape: key(VK_ESCAPE, 0x1B); break;
      case kTabEnter:
        key(VK_TAB, L'\t');
        key(VK_RETURN, L'\r');
        break;
      case kAccelNo: {
        const std::wstring text = WindowText(GetDlgItem(box, IDNO));
        const size_t amp = text.find(L'&');
        const wchar_t letter = amp == std::wstring::npos ? L'n' : static_cast<wchar_t>(towlower(text[amp + 1]));
        key(static_cast<WPARAM>(towupper(letter)), letter);
        break;
      }
    }
  };
  for (const auto& row : table) {
    int answers[2] = {0, 0};
    bool skinned[2] = {false, true};
    for (int skin = 0; skin < 2; ++skin) {
      Manager->OnSysDlgInit = [skin](HWND, bool& allow) { allow = skin == 1; };
      answers[skin] = RunBox(Form->GetHandle(), row.Flags, [&, skin](HWND box) {
        skinned[skin] = Adapted(box);
        press(box, row.Keys);
      });
    }
    EXPECT_FALSE(skinned[0]) << row.Case;
    EXPECT_TRUE(skinned[1]) << row.Case;
    EXPECT_EQ(answers[0], row.Answer) << row.Case;
    EXPECT_EQ(answers[1], answers[0]) << row.Case;
  }
}

// A classic subclasser: replaces the window procedure and calls the one it found.
WNDPROC gBelow = nullptr;
LRESULT CALLBACK Above(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(gBelow, window, msg, wParam, lParam);
}

TEST_F(DialogSkinTest, AdaptersLeaveTheirWindowsAsFoundAndNeverOutliveThem) {
  enum TEnd { kDetach, kDestroyWhileAdapted, kDetachUnderAnother };
  for (TEnd end : {kDetach, kDestroyWhileAdapted, kDetachUnderAnother}) {
    HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 75, 23,
                                  Form->GetHandle(), nullptr, nullptr, nullptr);
    const LONG_PTR own = GetWindowLongPtrW(button, GWLP_WNDPROC);
    auto adapter = std::make_unique<TacBtnWnd>(button, Manager, TacSkinParams{});
    ASSERT_TRUE(adapter->Attach());
    EXPECT_FALSE(TacBtnWnd(button, Manager, TacSkinParams{}).Attach()) << "a second adapter";
    EXPECT_EQ(TacMainWnd::Of(button), adapter.get());
    EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), own);
    UpdateWindow(button);
    switch (end) {
      case kDetach:
        adapter.reset();
        EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), own);
        EXPECT_EQ(GetPropW(button, kAdapterProperty), nullptr);
        DestroyWindow(button);
        break;
      case kDestroyWhileAdapted:
        DestroyWindow(button);
        EXPECT_TRUE(adapter->Destroyed());
        EXPECT_FALSE(adapter->Attached());
        adapter.reset();
        break;
      case kDetachUnderAnother: {
        const LONG_PTR chain = GetWindowLongPtrW(button, GWLP_WNDPROC);
        gBelow = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Above)));
        adapter.reset();
        EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Above));
        EXPECT_EQ(GetPropW(button, kAdapterProperty), nullptr);
        // The way down still reaches the button's own procedure.
        SetWindowTextW(button, L"Cancel");
        EXPECT_EQ(WindowText(button), L"Cancel");
        SetWindowLongPtrW(button, GWLP_WNDPROC, chain);
        DestroyWindow(button);
        break;
      }
    }
    EXPECT_FALSE(IsWindow(button));
  }
}

// Each box costs Wine about 0.1 s to make, show and close (with or without
// the skin): the full run is 500 boxes.
TEST_F(DialogSkinTest, MessageBoxesLeaveNothingBehind) {
  int skinned = 0;
  const auto box = [&](int) {
    RunBox(Form->GetHandle(), MB_YESNO | MB_ICONQUESTION, [&skinned](HWND box) {
      skinned += Adapted(box);
      PostMessageW(box, WM_COMMAND, IDNO, 0);
    });
  };
  const int boxes = LeakLoopCycles(40, 500);
  const std::string drift = LeakLoopDrift(boxes, 500, box);  // after 20 for first-use allocations
  EXPECT_EQ(skinned, boxes + 20);
  EXPECT_LE(Hook->ProviderCount(), 1u);
  EXPECT_EQ(drift, "");
}

TEST(LinkText, AnchorTagsGoWhateverTheirCaseAndAttributes) {
  struct {
    const wchar_t* Markup;
    const wchar_t* Shown;
  } table[] = {
      {L"word <A>second</A>", L"word second"},
      {L"<a href=\"http://x/\" id=\"l\">here</a> now", L"here now"},
      {L"<A\tHREF=x>one</a><a>two</A>", L"onetwo"},
      {L"<abbr>kept</abbr> a<b", L"<abbr>kept</abbr> a<b"},
      {L"open <a href=x never closed", L"open <a href=x never closed"},
  };
  for (const auto& row : table) EXPECT_EQ(StripAnchorTags(row.Markup), row.Shown) << row.Markup;
}

}  // namespace
