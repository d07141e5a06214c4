#pragma once
// What the skinned push buttons share on Windows: the state, the cache built
// from the skin, its copy to the window, the window region cut from the
// border's key-colour corners, the fades between states, and the handling
// of the window's messages while skinned. The button itself (TsBitBtn,
// TsButton) says what its caption, glyph and focus rectangle are.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/button.h"
#include "skin/controls/buttons/button_face.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/paint/pixel_changes.h"
#include "skin/paint/win/fade_timer.h"
#include "skin/win/common_data.h"

// The button's side of the shared handling.
class TacButtonHost {
 public:
  virtual ~TacButtonHost() = default;
  virtual int CurrentState() = 0;
  // The pressed frame's background moves by (1, 1).
  virtual bool OffsetPressed() const = 0;
  virtual bool DrawOverBorder() const = 0;
  // Caption, glyph and focus rectangle of the face in the state, measured
  // and drawn with raster (the button's font).
  virtual void DescribeContent(int State, TsTextRasteriser& Raster, TsButtonCaption& Caption,
                               TacDrawGlyphData& Glyph, TsButtonFocus& Focus) = 0;
  // The cache was rebuilt.
  virtual void CachePainted(TBitmap32& Bitmap) {}
  // The framework's own handling of a message.
  virtual void InheritedWndProc(TMessage& Message) = 0;
};

class TacButtonSkin final : public TacFadeTarget {
 public:
  TacButtonSkin(TButton& Button, TsCommonData& Data, TacButtonHost& Host);
  ~TacButtonSkin() override;
  TacButtonSkin(const TacButtonSkin&) = delete;
  TacButtonSkin& operator=(const TacButtonSkin&) = delete;

  // The button has its window and parent, and is neither loading nor being destroyed.
  bool Ready() const;
  // Ready and bound to an active skin.
  bool Skinned() const;
  // The native button shows itself pushed (BM_GETSTATE).
  bool NativePushed() const;
  // Pressed (2) by the native pushed state while the mouse is over the
  // button or no left button is held on it, then by Down; hot (1) when
  // active (focused, or hovered); default (3) when Default and (with
  // FocusTest) the focus is on no owner-drawn button; else normal (0).
  int StateOf(bool Down, bool Default, bool FocusTest, bool MenuShown) const;

  // Rebuilds the cache for the current state; false while the parent's
  // background is not ready.
  bool PrepareCache();
  // Paints the button into DC, or into its window (validating it) for none.
  void OurPaintHandler(HDC DC);
  // Every message of the button, skinned or not.
  void WndProc(TMessage& Message);
  // The classic face of the unskinned button (its reflected WM_DRAWITEM):
  // the system's push-button frame, the caption, the glyph.
  void StdDrawItem(const DRAWITEMSTRUCT& Item);
  // The caption and glyph move by (1, 1) in the pressed state: always
  // unskinned, by the skin manager's option when skinned.
  bool ShiftContent(int State) const;
  // Focus rectangle of a caption rectangle when the button shows one.
  TsButtonFocus FocusOf(TRect CaptionRect) const;

  // Cache builds so far, of all skinned buttons.
  static int CacheBuilds();

  bool Down = false;  // show the pressed look permanently
  unsigned AnimatEvents = aeGlobalDef;
  unsigned DisabledKind = dkBlended;
  bool ShowFocus = true;
  int FocusMargin = 1;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // TacFadeTarget
  bool FadeAlive() const override;
  bool FadeEnabled() const override { return FButton.GetEnabled(); }
  bool SkinChanging() const override { return false; }
  TBitmap32* FadeCache() override { return FData.CacheBitmap.get(); }
  bool GetBackgroundChanged() const override { return FData.BackgroundChanged; }
  void SetBackgroundChanged(bool Value) override { FData.BackgroundChanged = Value; }
  HWND FadeWindow() const override;
  LRESULT FadeCommand(int Code, LPARAM LParam = 0, int Argument = 0) override;
  void Repaint() override;
  void Invalidate() override { FData.Invalidate(); }

  bool Fading() const { return FFade != nullptr; }
  // The window's region is the one cut from the border (tests).
  bool RegionApplied() const { return FRegionApplied; }

 private:
  bool SkinCommand(TMessage& Message);
  void SkinnedMessage(TMessage& Message);
  void CommonProcessing(TMessage& Message);
  void Inherited(TMessage& Message) { FHost.InheritedWndProc(Message); }
  void WithoutRedraw(TMessage& Message);
  void ChangePaint(bool Clicked, TacAnimatEvent Event);
  void MouseEnter();
  void MouseLeave();
  void MouseDown();
  void MouseUp();
  void DropRegion();
  void ApplyRegion();
  TsGdiTextRasteriser& Raster();

  TButton& FButton;
  TsCommonData& FData;
  TacButtonHost& FHost;
  TsFadeTimer* FFade = nullptr;
  std::vector<TRect> FRegionRects;   // the region of the last cache build (border cuts corners)
  std::vector<TRect> FAppliedRects;  // the region the window has
  bool FRegionApplied = false;       // false until a region has been given to the window
  RECT FPrevBounds{};
  bool FPressStarted = false;
  bool FInMouseButton = false;       // the native button handles a mouse button message
  HFONT FRasterFont = nullptr;       // the button's font the rasteriser was made with
  std::unique_ptr<TsGdiTextRasteriser> FRaster;
};

// The window text of a control in the system code page.
std::string ButtonCaptionAnsi(TWinControl& Control);

// A bitmap as a 32-bit picture; HasAlpha when it is 32-bit with an alpha
// byte that is not 0 somewhere (a 32-bit bitmap without alpha counts as 24-bit).
struct TacGlyphPicture {
  TBitmap32 Picture;
  bool HasAlpha = false;
};
TacGlyphPicture GlyphPicture(HBITMAP Bitmap);
// An image of an image list drawn over the key colour (its transparent
// pixels stay sFuchsia); empty for an index outside the list.
TBitmap32 ImageListPicture(HIMAGELIST List, int Index);
