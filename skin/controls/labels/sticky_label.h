#pragma once
// TsStickyLabel: a skinned label glued to a windowed control. Moving the
// control moves the label beside it (on the side AlignTo names, Gap pixels
// apart); resizing the control, or moving the label, moves the control
// beside the label instead. The label shows and is enabled with the control.
#include "framework/win_control.h"
#include "skin/controls/basic/label.h"
#include "skin/controls/labels/sticky_place.h"

class TsStickyLabel : public TsLabel {
 public:
  explicit TsStickyLabel(TComponent* AOwner) : TsLabel(AOwner) {}
  ~TsStickyLabel() override;

  TWinControl* GetAttachTo() const { return FAttachTo; }
  // Gives the old control back its message handling and takes the new one's.
  void SetAttachTo(TWinControl* Value);
  TAlignTo GetAlignTo() const { return FAlignTo; }
  void SetAlignTo(TAlignTo Value);
  int GetGap() const { return FGap; }
  void SetGap(int Value);
  // Places the label beside the control (MoveLabel), or the control beside
  // the label on the opposite side.
  void Adjust(bool MoveLabel);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void BoundsChanged() override;

 private:
  // Every message of the attached control passes here first.
  void NewWinProc(TMessage& Message);
  void Detach();

  TWinControl* FAttachTo = nullptr;
  TAlignTo FAlignTo = altLeft;
  int FGap = 2;
  bool FRealigning = false;
  TWndMethod FOldWinProc;
};
