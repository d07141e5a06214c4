// Program entry: the application with the login window as its main form.
#include <windows.h>

#include "app/login_form.h"
#include "app/profile/startup_profile.h"
#include "browser/page_engine.h"
#include "framework/application.h"
#include "skin/controls/scroll/edit_wnd_win.h"
#include "skin/win/skin_manager.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  startup_profile::Mark("static-init");
  startup_profile::AwaitFirstPaint();
  try {
    TApplication application;
    application.Initialize();
    // The page engine's text view wears the skin: its frame and its bars.
    SetTextViewDecorator([](HWND view) -> std::shared_ptr<void> { return AdaptEditWindow(view, DefaultManager()); });
    application.CreateForm<TForm1>();
    startup_profile::Mark("window-created");
      application.Run();
  } catch (...) {
    // Whatever escapes start-up or the message loop ends the program quietly.
  }
  return 0;
}
