#pragma once
// Watches a folder on a thread of its own and posts a message to a window
// whenever something in it (a file's name, size or time of writing) changes.
// The window decides what a burst of such messages means; the watch only
// tells. Stopping (or freeing) the watch waits for its thread.
#include <windows.h>

#include <string>

#include "base/win_handles.h"

namespace skin_folder_watch_detail {
inline void CloseChangeNotification(HANDLE h) { FindCloseChangeNotification(h); }
}  // namespace skin_folder_watch_detail
using TOwnedChangeNotification =
    TOwnedHandle<HANDLE, THandleKind::Kernel, skin_folder_watch_detail::CloseChangeNotification>;

class TSkinFolderWatch {
 public:
  // Folder: UTF-8; Subtree: its sub-folders too. Nothing is watched when the
  // folder cannot be watched (Watching() tells).
  TSkinFolderWatch(const std::string& Folder, bool Subtree, HWND Window, UINT Msg);
  ~TSkinFolderWatch();
  TSkinFolderWatch(const TSkinFolderWatch&) = delete;
  TSkinFolderWatch& operator=(const TSkinFolderWatch&) = delete;

  bool Watching() const { return static_cast<bool>(FThread); }

 private:
  static DWORD WINAPI Run(void* Self);

  TOwnedChangeNotification FChange;
  TOwnedKernelHandle FStop;
  TOwnedKernelHandle FThread;
  HWND FWindow;
  UINT FMsg;
};
