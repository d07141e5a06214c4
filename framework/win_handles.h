#pragma once
// Owners for Win32 handles: each releases its handle the one right way.
#include <windows.h>
#include <commctrl.h>

#include <utility>

template <typename THandle, typename TTraits>
class TOwnedHandle {
 public:
  TOwnedHandle() = default;
  explicit TOwnedHandle(THandle handle) : FHandle(handle) {}
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;
  TOwnedHandle(TOwnedHandle&& other) noexcept : FHandle(other.Release()) {}
  TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ~TOwnedHandle() { Reset(); }

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != THandle{}; }
  THandle Release() { return std::exchange(FHandle, THandle{}); }
  void Reset(THandle handle = THandle{}) {
    THandle old = std::exchange(FHandle, handle);
    if (old != THandle{}) TTraits::Close(old);
  }

 private:
  THandle FHandle{};
};

struct TGdiObjectTraits { static void Close(HGDIOBJ h) { DeleteObject(h); } };
struct TIconTraits { static void Close(HICON h) { DestroyIcon(h); } };
struct TMenuTraits { static void Close(HMENU h) { DestroyMenu(h); } };
struct TWindowTraits { static void Close(HWND h) { DestroyWindow(h); } };
struct TMemoryDCTraits { static void Close(HDC h) { DeleteDC(h); } };
struct TImageListTraits { static void Close(HIMAGELIST h) { ImageList_Destroy(h); } };

using TOwnedFont = TOwnedHandle<HFONT, TGdiObjectTraits>;
using TOwnedBitmap = TOwnedHandle<HBITMAP, TGdiObjectTraits>;
using TOwnedBrush = TOwnedHandle<HBRUSH, TGdiObjectTraits>;
using TOwnedIcon = TOwnedHandle<HICON, TIconTraits>;
using TOwnedMenu = TOwnedHandle<HMENU, TMenuTraits>;
using TOwnedWindow = TOwnedHandle<HWND, TWindowTraits>;
using TOwnedMemoryDC = TOwnedHandle<HDC, TMemoryDCTraits>;
using TOwnedImageList = TOwnedHandle<HIMAGELIST, TImageListTraits>;

// A window's device context for the length of a scope.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() { if (FDC) ReleaseDC(FWindow, FDC); }
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

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
