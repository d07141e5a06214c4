#include "tools/gallery/skin_folder_watch.h"

#include "skin/data/utf8_paths.h"

TSkinFolderWatch::TSkinFolderWatch(const std::string& Folder, bool Subtree, HWND Window, UINT Msg)
    : FWindow(Window), FMsg(Msg) {
  const HANDLE change = FindFirstChangeNotificationW(
      PathFromUtf8(Folder).wstring().c_str(), Subtree,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (change == INVALID_HANDLE_VALUE) return;
  FChange.Reset(change);
  FStop.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (FStop) FThread.Reset(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
}

TSkinFolderWatch::~TSkinFolderWatch() {
  if (FThread) {
    SetEvent(FStop.Get());
    WaitForSingleObject(FThread.Get(), INFINITE);
  }
}

DWORD WINAPI TSkinFolderWatch::Run(void* Self) {
  auto* self = static_cast<TSkinFolderWatch*>(Self);
  const HANDLE waits[] = {self->FStop.Get(), self->FChange.Get()};
  while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageW(self->FWindow, self->FMsg, 0, 0);
    if (!FindNextChangeNotification(self->FChange.Get())) break;
  }
  return 0;
}
