#include "framework/image_list.h"

TImageList::TImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight),
      FHandle(ImageList_Create(AWidth, AHeight, ILC_COLOR32 | ILC_MASK, 4, 4)) {}

int TImageList::GetCount() const { return FHandle ? ImageList_GetImageCount(FHandle.Get()) : 0; }

int TImageList::AddIcon(HICON Icon) {
  if (!FHandle || !Icon) return -1;
  return ImageList_ReplaceIcon(FHandle.Get(), -1, Icon);
}

bool TImageList::GetIcon(int Index, TIcon& Icon) const {
  if (Index < 0 || Index >= GetCount()) return false;
  HICON icon = ImageList_GetIcon(FHandle.Get(), Index, ILD_NORMAL);
  if (!icon) return false;
  Icon.SetHandle(icon);
  return true;
}
