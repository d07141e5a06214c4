#pragma once
// TsLabelFX: a skinned label whose text can be turned by an angle and casts
// a blurred drop shadow. The label keeps room for the shadow around its text
// (before it when the blur reaches further than the offset, after it by
// offset + blur); when the shadow changes, the label moves and grows by the
// difference only, so the text stays where it was.
#include "skin/controls/basic/label.h"
#include "skin/controls/labels/label_fx_shadow.h"

class TsLabelFX;

enum TsKindType { ktStandard, ktCustom, ktSkin };
enum TsShadowMode { smNone, smCustom, smSkin1 };

// Where the text colour comes from.
class TsKind {
 public:
  explicit TsKind(TsLabelFX& Owner) : FOwner(Owner) {}
  TsKindType GetKindType() const { return FKindType; }
  void SetKindType(TsKindType Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);

 private:
  TsLabelFX& FOwner;
  TsKindType FKindType = ktSkin;
  TColor FColor = 0xFFFFFF;
};

// The shadow's own settings (used by smCustom, and by smSkin1 when the skin
// has no shadow of its own).
class TsShadow {
 public:
  explicit TsShadow(TsLabelFX& Owner) : FOwner(Owner) {}
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetBlurCount() const { return FBlurCount; }
  void SetBlurCount(int Value);
  int GetDistance() const { return FDistance; }
  void SetDistance(int Value);
  TsShadowMode GetMode() const { return FMode; }
  void SetMode(TsShadowMode Value);
  int GetAlphaValue() const { return FAlphaValue; }
  void SetAlphaValue(int Value);

 private:
  void Moved();
  TsLabelFX& FOwner;
  TColor FColor = 0;
  int FBlurCount = 4;
  int FDistance = 1;
  TsShadowMode FMode = smSkin1;
  int FAlphaValue = 255;
};

class TsLabelFX : public TsLabel {
 public:
  explicit TsLabelFX(TComponent* AOwner);

  TsKind Kind{*this};
  TsShadow Shadow{*this};

  int GetAngle() const { return FAngle; }
  // Degrees counter-clockwise; a turned text does not wrap.
  void SetAngle(int Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  // A transparent label mixes its shadow over what lies behind it, an opaque
  // one over its Color.
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  TColor CurrentFontColor() const;
  TacShadowData CurrentShadowData() const;
  // The shadow's room of the last layout.
  TacShadowExtent GetOffsetKeeper() const { return FOffsetKeeper; }
  // The shadow's room changed: the label moves and resizes by the difference.
  void UpdatePosition();
  void AdjustBounds();
  // Word wrap wins: a wrapped label's angle goes back to 0.
  void Invalidate() override;

 protected:
  void WndProc(TMessage& Message) override;
  void Paint(TCanvas& Canvas) override;
  void BoundsChanged() override;
  void TextChanged() override;

 private:
  // The text's size in the label's font (not turned); width limit for wrapping.
  SIZE MeasureText(HDC DC, int Limit) const;
  // Draws the text at the rectangle's place (turned when the angle is set).
  void DrawTextAt(HDC DC, const TRect& Rect, const TacRotatedBox& Box, TColor Color) const;
  UINT TextFlags() const;

  int FAngle = 0;
  bool FWordWrap = false;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FTransparent = true;
  bool FAdjusting = false;
  TacShadowExtent FOffsetKeeper;
  TBitmap32 FShadowBitmap;
  TacShadowMask FMaskBuffer;
};
