#pragma once
// Colours, fonts, icons and the canvas that controls paint on.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/win_handles.h"
#include "base/color.h"

// TColor (0x00BBGGRR; with the top bit set, a reference to system colour
// value & 0xFF) is one type for controls and skins alike.
constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font description with its GDI font made on first use and dropped on change.
class TFont {
 public:
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  const std::wstring& GetName() const { return FName; }
  void SetName(std::wstring Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  unsigned GetStyle() const { return FStyle; }
  void SetStyle(unsigned Value);
  void Assign(const TFont& Source);

  HFONT GetHandle() const;
  std::function<void()> OnChange;

 private:
  void Changed();

  std::wstring FName = L"MS Sans Serif";
  int FHeight = -11;
  TColor FColor = clWindowText;
  unsigned FStyle = 0;
  mutable TOwnedFont FHandle;
};

// The program's icon pictures: owns one HICON.
class TIcon {
 public:
  HICON GetHandle() const { return FHandle.Get(); }
  // Keeps a copy of Source; the caller keeps its own icon.
  void Assign(HICON Source);
  // Takes ownership of Icon.
  void SetHandle(HICON Icon) { FHandle.Reset(Icon); }

 private:
  TOwnedIcon FHandle;
};

// Drawing on a device context with the framework's colours and fonts.
class TCanvas {
 public:
  explicit TCanvas(HDC DC) : FDC(DC) {}
  HDC GetHandle() const { return FDC; }
  void FillRect(const RECT& Rect, TColor Color);
  // Text in Font's face and colour, transparent background, DrawText flags.
  void DrawTextIn(const std::wstring& Text, RECT Rect, const TFont& Font, UINT Format);

 private:
  HDC FDC;
};
