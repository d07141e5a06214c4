#pragma once
// Owners for Win32 handles (windows, GDI objects, menus, image lists,
// registry keys, kernel objects): each releases its handle the one right way, and
// every kind keeps a count of the handles alive under an owner. The counts
// are how tests find leaks, since the system's own object counts are not
// available everywhere (they read 0 under Wine).
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <atomic>
#include <utility>

enum class THandleKind { Window, DC, Bitmap, Region, Font, Brush, Icon, Menu, ImageList, RegistryKey, Kernel, Count };

// Handles of a kind now held by owners (made, not yet released or given away).
inline std::array<std::atomic<int>, static_cast<size_t>(THandleKind::Count)> gLiveHandles{};

inline int LiveHandleCount(THandleKind kind) { return gLiveHandles[static_cast<size_t>(kind)].load(); }

template <typename THandle, THandleKind Kind, auto Close>
class TOwnedHandle {
 public:
  TOwnedHandle() = default;
  explicit TOwnedHandle(THandle handle) { Reset(handle); }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;
  TOwnedHandle(TOwnedHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, THandle{})) {}
  TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, THandle{});
    }
    return *this;
  }
  ~TOwnedHandle() { Reset(); }

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != THandle{}; }
  // Gives the handle away (to SetWindowRgn, for example, which owns it from then on).
  THandle Release() {
    if (FHandle != THandle{}) Count(-1);
    return std::exchange(FHandle, THandle{});
  }
  void Reset(THandle handle = THandle{}) {
    THandle old = std::exchange(FHandle, handle);
    if (handle != THandle{}) Count(1);
    if (old != THandle{}) {
      Count(-1);
      Close(old);
    }
  }

 private:
  static void Count(int delta) { gLiveHandles[static_cast<size_t>(Kind)] += delta; }

  THandle FHandle{};
};

namespace win_handles_detail {
inline void CloseGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void CloseIcon(HICON h) { DestroyIcon(h); }
inline void CloseMenu(HMENU h) { DestroyMenu(h); }
inline void CloseWindow(HWND h) { DestroyWindow(h); }
inline void CloseMemoryDC(HDC h) { DeleteDC(h); }
inline void CloseImageList(HIMAGELIST h) { ImageList_Destroy(h); }
inline void CloseRegistryKey(HKEY h) { RegCloseKey(h); }
inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
}  // namespace win_handles_detail

using TOwnedFont = TOwnedHandle<HFONT, THandleKind::Font, win_handles_detail::CloseGdiObject>;
using TOwnedBitmap = TOwnedHandle<HBITMAP, THandleKind::Bitmap, win_handles_detail::CloseGdiObject>;
using TOwnedBrush = TOwnedHandle<HBRUSH, THandleKind::Brush, win_handles_detail::CloseGdiObject>;
using TOwnedRegion = TOwnedHandle<HRGN, THandleKind::Region, win_handles_detail::CloseGdiObject>;
using TOwnedIcon = TOwnedHandle<HICON, THandleKind::Icon, win_handles_detail::CloseIcon>;
using TOwnedMenu = TOwnedHandle<HMENU, THandleKind::Menu, win_handles_detail::CloseMenu>;
using TOwnedWindow = TOwnedHandle<HWND, THandleKind::Window, win_handles_detail::CloseWindow>;
using TOwnedMemoryDC = TOwnedHandle<HDC, THandleKind::DC, win_handles_detail::CloseMemoryDC>;
using TOwnedImageList = TOwnedHandle<HIMAGELIST, THandleKind::ImageList, win_handles_detail::CloseImageList>;
using TOwnedRegistryKey = TOwnedHandle<HKEY, THandleKind::RegistryKey, win_handles_detail::CloseRegistryKey>;
// Threads, events and other kernel objects closed with CloseHandle.
using TOwnedKernelHandle = TOwnedHandle<HANDLE, THandleKind::Kernel, win_handles_detail::CloseKernelHandle>;

// A window's device context for the length of a scope: its client area
// (TClientDC, GetDC; the screen for no window) or the whole window with its
// frame (TWindowDC, GetWindowDC).
template <HDC (*Acquire)(HWND)>
class TScopedDC {
 public:
  explicit TScopedDC(HWND window) : FWindow(window), FDC(Acquire(window)) {
    if (FDC) gLiveHandles[static_cast<size_t>(THandleKind::DC)] += 1;
  }
  TScopedDC(const TScopedDC&) = delete;
  TScopedDC& operator=(const TScopedDC&) = delete;
  ~TScopedDC() {
    if (!FDC) return;
    ReleaseDC(FWindow, FDC);
    gLiveHandles[static_cast<size_t>(THandleKind::DC)] -= 1;
  }
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

namespace win_handles_detail {
inline HDC GetClientAreaDC(HWND h) { return GetDC(h); }
inline HDC GetWholeWindowDC(HWND h) { return GetWindowDC(h); }
}  // namespace win_handles_detail

using TClientDC = TScopedDC<win_handles_detail::GetClientAreaDC>;
using TWindowDC = TScopedDC<win_handles_detail::GetWholeWindowDC>;

// Selects an object into a device context and puts the old one back.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;
  ~TSelectObject() { SelectObject(FDC, FOld); }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};
