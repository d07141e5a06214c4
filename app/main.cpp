// Program entry: the application with the login window as its main form.
#include <windows.h>

#include "app/login_form.h"
#include "framework/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    TApplication application;
    application.Initialize();
    application.CreateForm<TForm1>();
    application.Run();
  } catch (...) {
    // Whatever escapes start-up or the message loop ends the program quietly.
  }
  return 0;
}
