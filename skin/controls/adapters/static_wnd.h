#pragma once
// Static windows skinned from outside: text drawn over the parent's
// background in the skin's text colours (section "CHECKBOX", transparent in
// ordinary skins), icons and bitmaps over that background, link windows as
// their text without the anchor markup, underlined.
#include "skin/controls/adapters/main_wnd.h"

class TacStaticWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

 protected:
  std::string DefaultSection() const override { return "CHECKBOX"; }
  void WndProc(TMessage& Message) override;
  // Draws the window's contents into the cache over its background; false:
  // nothing to copy to the screen.
  virtual bool PaintContent(TBitmap32& Cache);
  // The text drawn and how.
  virtual std::wstring ShownText() const { return WndText(); }
  virtual unsigned TextFormat() const;
  virtual bool Underlined() const { return false; }
  void PaintTo(HDC DC);
};

class TacIconWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;

 protected:
  bool PaintContent(TBitmap32& Cache) override;
};

class TacLinkWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;

 protected:
  std::wstring ShownText() const override;
  unsigned TextFormat() const override { return DT_NOCLIP | DT_WORDBREAK | DT_EXPANDTABS; }
  bool Underlined() const override { return true; }
};
