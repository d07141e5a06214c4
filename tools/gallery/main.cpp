// The skin gallery program: one skinned form showing every skinned control.
#include <windows.h>

#include <shellapi.h>

#include "framework/application.h"
#include "tools/gallery/gallery_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  try {
    std::vector<std::wstring> args;
    int count = 0;
    if (LPWSTR* given = CommandLineToArgvW(GetCommandLineW(), &count)) {
      args.assign(given + 1, given + count);
      LocalFree(given);
    }
    TApplication application;
    application.Initialize();
    application.CreateForm<TGalleryForm>()->ApplyOptions(ParseGalleryArguments(args));
    application.Run();
  } catch (...) {
    // Whatever escapes start-up or the message loop ends the program quietly.
  }
  return 0;
}
