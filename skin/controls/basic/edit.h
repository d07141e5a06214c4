#pragma once
// The skinned single-line edit: a real EDIT window. The skin paints its
// border in the non-client area from the section's border image, and, while
// the edit is neither focused nor under the mouse, its whole face from the
// cached picture (a password edit shows its mask, "***"). While it is active
// the system's edit paints its client area itself (caret, selection) in the
// colours the skin gives it, so typing never rebuilds the picture.
#include "framework/edit.h"
#include "skin/paint/items/text_paint.h"
#include "skin/win/common_data.h"
#include "skin/win/skin_data_parts.h"

inline constexpr int kEditKind = 3;

class TsEdit : public TEdit {
 public:
  explicit TsEdit(TComponent* AOwner);

  TsCommonData SkinData;
  // The caption label beside the edit (a TsEditLabel while active); it
  // follows the edit's moves, sizes, visibility and enabled state.
  TsBoundLabel BoundLabel;
  unsigned DisabledKind = 1;  // TsDisabledKind bits: blended

  // The width of the border the skin paints (the window's own frame).
  int BorderWidth() const;
  // What the inactive edit shows: its text, or the password character once per character.
  std::wstring ShownText() const;
  // How many times the picture has been built (typing must not add any).
  int CacheBuilds() const { return FCacheBuilds; }

 protected:
  void CreateWnd() override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;

 private:
  void EditWndProc(TMessage& Message);
  bool Ready();
  bool SkinCommand(TMessage& Message);
  bool PrepareCache();
  void PaintText(TBitmap32& Cache, bool Active);
  void OurPaint(HDC DC);
  void PaintBorder();
  // Active (focused or hovered) or not: the colours of that state of the section.
  void ApplyStateColors(bool Gained);
  void Refresh();

  int FCacheBuilds = 0;
  TacGlowMask FGlow;
};
