#pragma once
// TsWebLabel: a skinned label that is a link. Under the mouse it shows its
// hover font (underlined by default) in the skin's hot link colour; a click
// opens its URL (a web address or a file) through the shell.
#include <functional>
#include <string>

#include "skin/controls/basic/label.h"

// The shell's opening of a link (verb "open", no parameters, no folder),
// replaceable so that tests open nothing.
using TacLinkOpener = std::function<void(HWND Owner, const std::wstring& URL, int ShowMode)>;
TacLinkOpener& LinkOpener();

class TsWebLabel : public TsLabel {
 public:
  explicit TsWebLabel(TComponent* AOwner);

  const std::wstring& GetURL() const { return FURL; }
  void SetURL(std::wstring Value) { FURL = std::move(Value); }
  // The show command the opened link's window gets (default SW_SHOWDEFAULT).
  int GetShowMode() const { return FShowMode; }
  void SetShowMode(int Value) { FShowMode = Value; }
  TFont& GetHoverFont() { return FHoverFont; }
  void SetHoverFont(const TFont& Value) { FHoverFont.Assign(Value); }
  // The normal font: the label's own.
  void SetNormalFont(const TFont& Value) { GetFont().Assign(Value); }
  bool MouseAbove() const { return FMouseAbove; }

  const TFont& GetCurrentFont() const { return FMouseAbove ? FHoverFont : GetFont(); }
  const TFont& DrawFont() const override { return GetCurrentFont(); }
  // Not hovered: the skin's link colour of its place; hovered: the skin's
  // hot link colour; the fonts' own colours without an active skin or with
  // UseSkinColor off.
  TColor TextColor() const override;

 protected:
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Taking the parent's font, the hover font takes its face and size too.
  void FontChanged() override;

 private:
  // The label's place on its parent is painted again (the hover font may differ in size).
  void HoverChanged(bool Above);

  std::wstring FURL;
  int FShowMode = 10;  // SW_SHOWDEFAULT
  TFont FHoverFont;
  bool FMouseAbove = false;
};
