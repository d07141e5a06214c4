#pragma once
// A list of equally sized pictures with transparency, kept by a system image list.
#include "framework/component.h"
#include "framework/graphics.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* AOwner, int AWidth = 16, int AHeight = 16);

  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  int GetCount() const;
  HIMAGELIST GetHandle() const { return FHandle.Get(); }

  // Adds a copy of Icon; returns its index or -1.
  int AddIcon(HICON Icon);
  // Puts a new icon made from picture Index into Icon; false when there is none.
  bool GetIcon(int Index, TIcon& Icon) const;

 private:
  int FWidth;
  int FHeight;
  TOwnedImageList FHandle;
};
