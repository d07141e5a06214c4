#pragma once
// The application object: its main form, its icon, the message loop with a
// look at every queued message, main-window hooks, and minimising/restoring
// the application as a whole.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/listener_list.h"

class TApplicationEvents;

// Returns true when the message has been handled and must go no further.
using TWindowHook = std::function<bool(TMessage& Message)>;
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  // Creates a form owned by the application; the first one becomes the main form.
  template <typename TFormClass>
  TFormClass* CreateForm() {
    auto* form = new TFormClass(this);
    if (!FMainForm) FMainForm = form;
    form->AfterConstruction();
    return form;
  }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  // Handles every message waiting in the queue as the loop does, then returns.
  void ProcessMessages();
  bool IsTerminated() const { return FTerminated; }

  TForm* GetMainForm() const { return FMainForm; }
  // The application's top-level window: the main form's.
  HWND GetHandle() const;
  TIcon& GetIcon() { return FIcon; }
  std::wstring GetExeName() const;
  // The title message boxes show: the program file's name without extension.
  std::wstring GetTitle() const;

  void Minimize();
  void Restore();
  bool IsMinimized() const { return FMinimized; }

  // Hooks see every message of the main window before the window does.
  int HookMainWindow(TWindowHook Hook);
  void UnhookMainWindow(int Id);
  bool CallMainWindowHooks(TMessage& Message);

  TMessageEvent OnMessage;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

 private:
  friend class TApplicationEvents;
  friend class TForm;
  bool ProcessMessage(MSG& Msg);
  void MainFormDestroyed() { FMainForm = nullptr; }

  TForm* FMainForm = nullptr;
  TIcon FIcon;
  bool FTerminated = false;
  bool FMinimized = false;
  struct TMainWindowHook {
    int Id;
    TWindowHook Hook;
  };
  TListenerList<std::shared_ptr<TMainWindowHook>> FHooks;
  int FNextHookId = 1;
  TListenerList<TApplicationEvents*> FEvents;
};

// The program's application object, made by the program entry.
extern TApplication* Application;
