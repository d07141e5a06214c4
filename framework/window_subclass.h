#pragma once
// The one way the program hooks a window's procedure: a subclass in the
// system's chain of subclasses (the SetWindowSubclass family), so that other
// subclassers above and below it come and go in any order.
//
// A subclass sees each message before the procedures below it and hands on
// what it leaves with CallDefault. It leaves the chain by itself at the
// window's final message, WM_NCDESTROY, after passing that message on, so
// every subclass of the chain sees it. Detach leaves earlier. The owner may
// free the subclass inside its own handler: nothing touches it afterwards.
#include <functional>
#include <memory>

#include "framework/messages.h"

class TWindowSubclass {
 public:
  using THandler = std::function<void(TMessage& Message)>;

  explicit TWindowSubclass(THandler Handler);
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;
  ~TWindowSubclass();

  bool Attach(HWND Window);
  void Detach();
  // Hands the subclass over to its window: from now on it only passes
  // messages on and frees itself at the window's end. For a subclass that
  // cannot leave yet because a procedure set after it (not a subclass of the
  // chain) would lose its way back. The caller lets go of the object.
  void LeaveInChain();
  HWND GetWindow() const { return FWindow; }
  bool Attached() const { return FWindow != nullptr; }

  // The rest of the chain's answer to the message.
  void CallDefault(TMessage& Message);

  // Attaches to the next window this thread creates, when the system has made
  // it and before it receives any message (so before its parent hears of it).
  // Lives for the length of one CreateWindowEx call.
  class TOnCreate {
   public:
    TOnCreate(TWindowSubclass& Subclass, std::function<void(HWND)> Created);
    TOnCreate(const TOnCreate&) = delete;
    TOnCreate& operator=(const TOnCreate&) = delete;
    ~TOnCreate();

   private:
    static LRESULT CALLBACK CbtProc(int Code, WPARAM WParam, LPARAM LParam);
    TWindowSubclass& FSubclass;
    std::function<void(HWND)> FCreated;
    HHOOK FHook = nullptr;
    TOnCreate* FOuter = nullptr;
    bool FDone = false;
  };

 private:
  static LRESULT CALLBACK SubclassProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                       DWORD_PTR Data);

  THandler FHandler;
  HWND FWindow = nullptr;
  bool FPassedOn = false;  // the message now handled went down the chain
  bool FOrphan = false;    // left in the chain; frees itself at WM_NCDESTROY
  // Shared with calls in progress, which find out from it whether the
  // subclass was freed under them.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
