// The soak: a careless user with a seeded random hand drives the skin
// gallery and the login window (against the stand-in service), one form a
// round, for a given time.
//   lanque-soak SECONDS SEED SKINDIR [/service=URL /engine=page]
// Every action is printed as it is done ("#N round R FORM: WHAT"), so that a
// run can be replayed from its seed: the draws (what, which control by its
// number, where in it) never depend on what the program did. After each round the form's application is gone and the
// live handles must be back at their level of the first two rounds, the
// committed memory within kMemorySlack of it.
// Exit codes: 0 clean, 1 a level not reached again, 2 usage, 3 a window
// that did not answer for 5 s, 4 a crash.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/login_form.h"
#include "framework/application.h"
#include "framework/text.h"
#include "tests/soak/soak_input.h"
#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"
#include "tools/gallery/gallery_form.h"

namespace {

constexpr int kActionsPerRound = 120;
constexpr DWORD kAnswerMs = 5000;
constexpr long long kMemorySlack = 8ll << 20;
constexpr UINT kRunCommand = WM_APP + 1;

// What both threads share: the form of the round, set and cleared by the
// user-interface thread.
struct TShared {
  std::atomic<HWND> Window{nullptr};
  TGalleryForm* Gallery = nullptr;  // read on the user-interface thread only
  TForm1* Login = nullptr;
  std::atomic<bool> RoundOver{false};
  std::atomic<bool> Finished{false};  // set with the last round's end
  HANDLE RoundStarted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HWND Commands = nullptr;  // runs functions on the user-interface thread
  DWORD UiThread = 0;
  std::atomic<long long> Actions{0};
} gShared;

LRESULT CALLBACK CommandProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == kRunCommand) {
    (*reinterpret_cast<const std::function<void()>*>(LParam))();
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

[[noreturn]] void Fail(int Code, const char* What) {
  std::printf("soak: FAILED after %lld actions: %s\n", gShared.Actions.load(), What);
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(Code));
  std::abort();
}

LONG WINAPI Crashed(EXCEPTION_POINTERS* Info) {
  char text[96];
  std::snprintf(text, sizeof text, "crash, exception 0x%08lx at %p",
                static_cast<unsigned long>(Info->ExceptionRecord->ExceptionCode),
                Info->ExceptionRecord->ExceptionAddress);
  Fail(4, text);
}

// Runs What on the user-interface thread; a thread that does not take it within 5 s hangs.
void OnUiThread(const std::function<void()>& What) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(gShared.Commands, kRunCommand, 0, reinterpret_cast<LPARAM>(&What), SMTO_NORMAL, kAnswerMs,
                           &result))
    Fail(3, "the user-interface thread did not answer for 5 s");
}

// Visible top-level windows of the user-interface thread of a class (a message box, a menu).
HWND OpenWindowOfClass(const wchar_t* ClassName) {
  struct TSearch {
    const wchar_t* Name;
    HWND Found;
  } search{ClassName, nullptr};
  EnumThreadWindows(
      gShared.UiThread,
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(data);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, s->Name) != 0 || !IsWindowVisible(window)) return TRUE;
        s->Found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

RECT ScreenRect(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  return r;
}

POINT PointIn(const RECT& R, unsigned X, unsigned Y) {
  const LONG w = std::max<LONG>(1, R.right - R.left), h = std::max<LONG>(1, R.bottom - R.top);
  return {R.left + static_cast<LONG>(X % w), R.top + static_cast<LONG>(Y % h)};
}

// The visible children of the form, in the system's order, and the form itself last.
std::vector<HWND> Targets(HWND Form) {
  std::vector<HWND> targets;
  EnumChildWindows(
      Form,
      [](HWND child, LPARAM data) -> BOOL {
        if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&targets));
  targets.push_back(Form);
  return targets;
}

// One draw of the seeded hand: what to do and where, whatever the program shows.
struct TDraw {
  unsigned Kind, A, B, C, D, Answer;
};

const WORD kKeys[] = {VK_TAB, VK_SPACE, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_F10, VK_HOME, VK_END};

// The buttons of an open message box.
std::vector<HWND> ButtonsOf(HWND Box) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(Box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Button") == 0 && IsWindowVisible(child)) buttons.push_back(child);
  }
  return buttons;
}

// Answers an open menu or message box the way the draw says: a click
// anywhere on it, a click on one of its buttons, or a key (after a click on
// its caption brings it forward). True when there was one.
bool AnswerOpenWindows(const TDraw& Draw, std::string& Done) {
  HWND open = OpenWindowOfClass(L"#32768");
  const bool menu = open != nullptr;
  if (!open) open = OpenWindowOfClass(L"#32770");
  if (!open) return false;
  Done = menu ? "menu: " : "box: ";
  const RECT area = ScreenRect(open);
  const std::vector<HWND> buttons = menu ? std::vector<HWND>{} : ButtonsOf(open);
  if (Draw.Answer % 3 == 0) {
    const POINT at = PointIn(area, Draw.B, Draw.C);
    soak_input::Click(at);
    Done += "click " + std::to_string(at.x) + "," + std::to_string(at.y);
  } else if (Draw.Answer % 3 == 1 && !buttons.empty()) {
    const RECT button = ScreenRect(buttons[Draw.B % buttons.size()]);
    soak_input::Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    Done += "button " + std::to_string(Draw.B % buttons.size());
  } else {
    const WORD keys[] = {VK_RETURN, VK_ESCAPE, VK_SPACE, VK_TAB, VK_DOWN, VK_RIGHT};
    const WORD key = keys[Draw.D % std::size(keys)];
    if (!menu) soak_input::Click({(area.left + area.right) / 2, area.top + 8});
    soak_input::Key(key);
    Done += "key " + std::to_string(key);
  }
  return true;
}

// The modes of the user-interface thread: menus, moving or sizing a window.
DWORD GuiModes() {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(gShared.UiThread, &info) ? info.flags : 0;
}

// At a round's end: whatever is open is closed as a user would, quickly:
// a box by one of its buttons, a menu or a move by Escape (Enter now and then).
void CloseOpenWindows(int Try) {
  soak_input::Press(false, false);
  if (HWND box = OpenWindowOfClass(L"#32770")) {
    const std::vector<HWND> buttons = ButtonsOf(box);
    if (!buttons.empty()) PostMessageW(buttons[Try % buttons.size()], BM_CLICK, 0, 0);
    return;
  }
  soak_input::Key(Try % 4 == 3 ? VK_RETURN : VK_ESCAPE);
}

// What the user-interface thread shows, for a report of a round that would not end.
std::string OpenWindows() {
  std::string shown = "modes " + std::to_string(GuiModes()) + ";";
  EnumThreadWindows(
      gShared.UiThread,
      [](HWND window, LPARAM data) -> BOOL {
        if (!IsWindowVisible(window)) return TRUE;
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        const RECT r = ScreenRect(window);
        std::string& out = *reinterpret_cast<std::string*>(data);
        for (const std::string& part : {std::string(" "), Utf8FromWide(name), std::string(" ("), std::to_string(r.left),
                                        std::string(","), std::to_string(r.top), std::string(" "),
                                        std::to_string(r.right - r.left), std::string("x"),
                                        std::to_string(r.bottom - r.top), std::string(")")})
          out += part;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return shown;
}

std::string Act(const TDraw& Draw, bool Gallery, HWND Form) {
  const std::vector<HWND> targets = Targets(Form);
  const HWND target = targets[Draw.A % targets.size()];
  const RECT area = ScreenRect(target);
  const POINT at = PointIn(area, Draw.B, Draw.C);
  const std::string where = std::to_string(at.x) + "," + std::to_string(at.y);
  const unsigned kind = Draw.Kind % 100;
  if (kind < 25) {
    soak_input::Click(at);
    return "click " + where;
  }
  if (kind < 30) {
    soak_input::DoubleClick(at);
    return "double click " + where;
  }
  if (kind < 35) {
    soak_input::Click(at, true);
    return "right click " + where;
  }
  if (kind < 45) {
    // Across a control (sliders, scroll bars) or by the caption.
    const RECT form = ScreenRect(Form);
    const RECT from = kind < 40 ? area : RECT{form.left, form.top, form.right, form.top + 24};
    const POINT start = PointIn(from, Draw.B, Draw.C);
    const POINT end{start.x + static_cast<LONG>(Draw.D % 161) - 80, start.y + static_cast<LONG>((Draw.D / 161) % 61) - 30};
    soak_input::Drag(start, end);
    return "drag " + std::to_string(start.x) + "," + std::to_string(start.y) + " to " + std::to_string(end.x) + "," +
           std::to_string(end.y);
  }
  if (kind < 50) {
    soak_input::Wheel(at, static_cast<int>(Draw.D % 7) - 3);
    return "wheel " + std::to_string(static_cast<int>(Draw.D % 7) - 3) + " at " + where;
  }
  if (kind < 65) {
    const WORD key = kKeys[Draw.D % std::size(kKeys)];
    soak_input::Key(key, Draw.B % 4 == 0);
    return "key " + std::to_string(key) + (Draw.B % 4 == 0 ? " with shift" : "");
  }
  if (kind < 70) {
    const wchar_t letter = static_cast<wchar_t>(L'A' + Draw.D % 26);
    soak_input::Key(letter, false, true);
    return std::string("alt+") + static_cast<char>(letter);
  }
  if (kind < 78) {
    std::wstring text;
    for (unsigned i = 0, n = Draw.D % 12 + 1; i < n; ++i)
      text += i % 5 == 4 ? L'号' : static_cast<wchar_t>(L'0' + (Draw.D / (i + 1)) % 75);
    soak_input::Type(text);
    return "type " + std::to_string(text.size()) + " characters";
  }
  if (kind < 84) {
    PostMessageW(Form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Sleep(100);
    OnUiThread([Form] {
      if (Application) Application->Restore();
      ShowWindow(Form, SW_RESTORE);
      SetForegroundWindow(Form);
    });
    return "minimise and restore";
  }
  if (kind < 86) {
    PostMessageW(Form, WM_CLOSE, 0, 0);
    return "close";
  }
  if (Gallery) {
    std::string done;
    OnUiThread([&] {
      TGalleryForm* gallery = gShared.Gallery;
      if (!gallery) return;
      switch (Draw.D % 5) {
        case 0: {
          const auto& names = gallery->SkinNames();
          const std::string name = names[Draw.B % names.size()];
          gallery->ChooseSkin(name);
          done = "skin " + name;
          break;
        }
        case 1:
          gallery->SetSkinned(!gallery->SkinManager->GetActive());
          done = gallery->SkinManager->GetActive() ? "skinned" : "unskinned";
          break;
        case 2: gallery->SetHue(static_cast<int>(Draw.B % 360)); done = "hue " + std::to_string(Draw.B % 360); break;
        case 3: gallery->SetSaturation(static_cast<int>(Draw.B % 201) - 100); done = "saturation"; break;
        default:
          gallery->SetBrightness(static_cast<int>(Draw.B % 201) - 100);
          done = "brightness";
          break;
      }
    });
    return done;
  }
  OnUiThread([] {
    if (TForm1* login = gShared.Login) {
      login->sEdit1->SetText(L"10001");
      login->sEdit2->SetText(L"lanque123");
      if (login->sBitBtn1->HandleAllocated()) PostMessageW(login->sBitBtn1->GetHandle(), BM_CLICK, 0, 0);
    }
  });
  return "sign in with the demo account";
}

// The careless user, on a thread of its own: a round's actions, then the end of the round.
DWORD WINAPI Drive(void* Parameters) {
  const auto [seconds, seed] = *static_cast<std::pair<int, unsigned>*>(Parameters);
  std::mt19937 hand(seed);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  for (int round = 0;; ++round) {
    WaitForSingleObject(gShared.RoundStarted, INFINITE);
    const HWND form = gShared.Window.load();
    const bool gallery = round % 2 == 0;
    for (int i = 0; i < kActionsPerRound && IsWindow(form); ++i) {
      const TDraw draw{hand(), hand(), hand(), hand(), hand(), hand()};
      std::string done;
      if (!AnswerOpenWindows(draw, done)) done = Act(draw, gallery, form);
      const long long n = ++gShared.Actions;
      std::printf("#%lld round %d %s: %s\n", n, round, gallery ? "gallery" : "login", done.c_str());
      std::fflush(stdout);
      OnUiThread([] {});  // the hang check
      Sleep(10 + hand() % 40);
    }
    // The round ends: whatever is open is answered until the form's application has gone.
    const bool last = GetTickCount64() >= end;
    gShared.Finished = last;
    gShared.RoundOver = true;
    PostThreadMessageW(gShared.UiThread, WM_NULL, 0, 0);
    for (int tries = 0; gShared.Window.load() == form; ++tries) {
      if (tries > static_cast<int>(kAnswerMs / 50)) Fail(3, ("the round's form did not go within 5 s; open: " + OpenWindows()).c_str());
      CloseOpenWindows(tries);
      Sleep(50);
    }
    if (last) return 0;
  }
}

std::string Figures(const TLeakProbe& Probe) {
  int handles = 0;
  for (int live : Probe.Live) handles += live;
  return std::to_string(handles) + " live handles, " + std::to_string(Probe.Committed / 1024) + " KiB committed";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: lanque-soak SECONDS SEED SKINDIR [/service=URL /engine=page]\n");
    return 2;
  }
  SetUnhandledExceptionFilter(Crashed);
  std::pair<int, unsigned> parameters{_wtoi(argv[1]), static_cast<unsigned>(wcstoul(argv[2], nullptr, 10))};
  const std::wstring skins = argv[3];
  std::printf("soak: seed %u, %d s\n", parameters.second, parameters.first);

  WNDCLASSW commands{};
  commands.lpfnWndProc = CommandProc;
  commands.hInstance = GetModuleHandleW(nullptr);
  commands.lpszClassName = L"LanqueSoakCommands";
  RegisterClassW(&commands);
  gShared.Commands = CreateWindowExW(0, commands.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     commands.hInstance, nullptr);
  gShared.UiThread = GetCurrentThreadId();
  HANDLE driver = CreateThread(nullptr, 0, Drive, &parameters, 0, nullptr);

  TLeakProbe level{};
  for (int round = 0; !gShared.Finished; ++round) {
    {
      TApplication app;
      app.Initialize();
      TForm* form = nullptr;
      if (round % 2 == 0) {
        TGalleryOptions options;
        options.SkinDirectory = skins;
        gShared.Gallery = app.CreateForm<TGalleryForm>();
        gShared.Gallery->ApplyOptions(options);
        form = gShared.Gallery;
      } else {
        gShared.Login = app.CreateForm<TForm1>();
        form = gShared.Login;
      }
      form->Show();
      SetForegroundWindow(form->GetHandle());
      gShared.RoundOver = false;
      gShared.Window = form->GetHandle();
      SetEvent(gShared.RoundStarted);
      while (!gShared.RoundOver && !app.IsTerminated()) {
        app.ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      }
      gShared.Gallery = nullptr;
      gShared.Login = nullptr;
    }
    gShared.Window = nullptr;
    PumpFor(300);  // what the forms posted on their way out
    const TLeakProbe probe = TLeakProbe::Take();
    std::printf("soak: after round %d (%lld actions): %s\n", round, gShared.Actions.load(), Figures(probe).c_str());
    if (round == 1) level = probe;
    if (round > 1) {
      const std::string drift = probe.DriftSince(level, kMemorySlack);
      if (!drift.empty()) Fail(1, ("not back at the level of the first rounds:\n" + drift).c_str());
    }
  }
  WaitForSingleObject(driver, INFINITE);
  CloseHandle(driver);
  std::printf("soak: level %s\nsoak: clean, %lld actions, seed %u\n", Figures(level).c_str(), gShared.Actions.load(),
              parameters.second);
  return 0;
}
