#pragma once
// Check boxes, radio buttons and group boxes skinned from outside (the
// BUTTON windows of system dialogs and listed framework controls). The
// native button keeps its input and its check, as a skinned push button
// does: only the picture is the skin's. Check boxes and radio buttons paint
// the "CHECKBOX" section with the skin's box images and the caption beside
// them; group boxes the "GROUPBOX" section from half the caption's height
// down, with the caption over its top edge.
#include "skin/controls/adapters/btn_wnd.h"
#include "skin/controls/basic/check_glyph.h"

class TacCheckBoxWnd : public TacBtnWnd {
 public:
  using TacBtnWnd::TacBtnWnd;
  // Radio buttons show the radio images, the rest the box images.
  TCheckGlyphKind GlyphKind() const;
  // Where the box goes in the window: left, or right with BS_LEFTTEXT.
  RECT BoxRect(SIZE Glyph) const;

 protected:
  std::string DefaultSection() const override { return "CHECKBOX"; }
  bool Paint(HDC DC) override;
  void WndProc(TMessage& Message) override;
};

class TacGroupBoxWnd : public TacBtnWnd {
 public:
  using TacBtnWnd::TacBtnWnd;

 protected:
  std::string DefaultSection() const override { return "GROUPBOX"; }
  // Copies only what lies outside the siblings the box surrounds, which
  // paint themselves.
  bool Paint(HDC DC) override;

 private:
  bool PrepareCache();
};
