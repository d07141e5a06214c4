#include "skin/controls/basic/check_glyph.h"

#include "skin/paint/items/skin_rect.h"

namespace {

constexpr SIZE kPlainGlyph{16, 16};

const char* GlyphName(TCheckGlyphKind Kind, TCheckBoxState State) {
  static const char* const names[2][3] = {{"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED"},
                                          {"RADIOUNCHECKED", "RADIOCHECKED", "RADIOGRAYED"}};
  return names[Kind][State];
}

}  // namespace

TCheckBoxState CheckStateOf(WPARAM Check) {
  return Check == BST_CHECKED ? cbChecked : Check == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
}

int CheckGlyphIndex(const TsSkinModel* Skin, TCheckGlyphKind Kind, TCheckBoxState State) {
  return Skin ? Skin->GetMaskIndex("GLOBALINFO", GlyphName(Kind, State)) : -1;
}

SIZE CheckGlyphSize(const TsSkinModel* Skin, int Index) {
  if (!Skin || !Skin->IsValidImgIndex(Index)) return kPlainGlyph;
  const TsMaskData& md = Skin->ma[static_cast<size_t>(Index)];
  return {WidthOfImage(md), HeightOfImage(md)};
}

void DrawCheckGlyph(TBitmap32& Cache, const TsSkinModel& Skin, int Index, POINT At, int State) {
  if (!Skin.IsValidImgIndex(Index) || Cache.Empty()) return;
  TCacheInfo self;  // holes in the glyph show what is already painted
  self.Bitmap = &Cache;
  self.X = self.Y = 0;
  self.Ready = true;
  DrawSkinGlyph(Cache, {At.x, At.y}, State, self, Skin.ma[static_cast<size_t>(Index)]);
}
