#pragma once
// Window adapters: skinning from outside for windows that know nothing of
// skins (the children of system dialogs and message boxes, listed classes of
// ordinary controls). An adapter sits in the window's chain of subclasses,
// paints the window from the skin and hands everything else on. It never
// owns the window: detached, it leaves the window as it found it (procedure,
// property, look). The window property "ACSBSC" holds the adapter while it
// is attached; its presence means the window has one.
#include <windows.h>

#include <memory>
#include <string>

#include "base/win_handles.h"
#include "framework/window_subclass.h"
#include "skin/win/common_data.h"

class TsSkinManager;

struct TacSkinParams {
  TControl* Control = nullptr;  // the framework control behind the window, if any
  std::string SkinSection;      // empty: the adapter's default
  bool UseSkinFont = true;      // false keeps the control's font colour
  bool UseSkinColor = true;     // false keeps the control's colour
  int VertScrollWidth = -1, VertButtonsSize = -1, HorzScrollWidth = -1, HorzButtonsSize = -1;
};

inline constexpr const wchar_t* kAdapterProperty = L"ACSBSC";

class TacMainWnd {
 public:
  TacMainWnd(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params);
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;
  virtual ~TacMainWnd();

  // Joins the window's chain; false when the window has an adapter already.
  bool Attach();
  // Leaves the window as it was found; repaints its frame when visible.
  void Detach();
  bool Attached() const { return FSubclass && FSubclass->Attached(); }
  // The window was destroyed while adapted (the adapter let go by itself).
  bool Destroyed() const { return FDestroyed; }

  HWND Handle() const { return FWindow; }
  const std::wstring& WndText() const { return FWndText; }
  TsCommonData& SkinData() { return FSkinData; }
  TsSkinManager* Manager() const;

  // The adapter of a window, or nullptr.
  static TacMainWnd* Of(HWND Window);

 protected:
  // The adapter's default section when none was given.
  virtual std::string DefaultSection() const { return {}; }
  virtual void SaveStdParams() {}
  virtual void RestoreStdParams() {}
  // Every message while attached; descendants handle theirs and call this.
  virtual void WndProc(TMessage& Message);
  // The handling the adapter replaced.
  void CallPrev(TMessage& Message);
  void CallPrev(UINT Msg, WPARAM WParam, LPARAM LParam);
  bool SkinActive() const;
  // Redraws the window now, its frame and client, without erasing.
  void RedrawNow() const;
  RECT ClientRect() const;
  // The previous handling with the window's own drawing held back, then the
  // skinned look drawn at once.
  void PassQuietly(TMessage& Message);
  // The parent's background under the window; the cache filled with the
  // parent's colour while the parent has no picture to give.
  TCacheInfo ParentBackground(TBitmap32& Cache) const;
  // Sizes the cache to the client area and paints the section in a state
  // over the parent's background; false while the skin cannot paint it.
  bool PaintSection(int State);
  // Copies the cache onto the window (DC: the message's, else the window's).
  void CopyCache(HDC DC) const;
  // The window's font, else the system's message font (kept by the adapter).
  HFONT TextFont();

 private:
  void SkinCommand(TMessage& Message);

  HWND FWindow;
  std::unique_ptr<TWindowSubclass> FSubclass;
  LONG_PTR FChainProc = 0;  // the window's procedure once the adapter had joined
  std::wstring FWndText;
  TsCommonData FSkinData;
  bool FDestroyed = false;
  TOwnedFont FMessageFont;
};

// The text of a window.
std::wstring WindowText(HWND Window);
