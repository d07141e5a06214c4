#pragma once
// The companions of per-control skin data: the skin data of controls with
// their own colour shifts, scroll-bar sizes of a scrolling control, and the
// caption label bound to an edit.
#include <functional>
#include <string>

#include "framework/label.h"
#include "skin/data/binding/bound_label_layout.h"
#include "skin/win/common_data.h"

// Skin data whose tone, hue and saturation shifts are the control's own settings.
class TsCtrlSkinData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
};

// One scroll bar's sizes; -1 takes the manager's (or the system's) size.
class TacScrollData {
 public:
  explicit TacScrollData(TControl* AOwner) : FOwner(AOwner) {}
  int GetScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  int GetButtonsSize() const { return FButtonsSize; }
  void SetButtonsSize(int Value);

 private:
  void RepaintOwner() const;
  TControl* FOwner;
  int FScrollWidth = -1;
  int FButtonsSize = -1;
};

// Skin data of a control with scroll bars.
class TsScrollWndData : public TsCommonData {
 public:
  TsScrollWndData(TComponent* AOwner, bool CreateCacheBmp)
      : TsCommonData(AOwner, CreateCacheBmp), HorzScrollData(OwnerControl), VertScrollData(OwnerControl) {}
  TacScrollData HorzScrollData;
  TacScrollData VertScrollData;
};

// A caption label placed beside a control and following it.
class TsBoundLabel {
 public:
  // Makes the label object (owned by the control); a plain label without one.
  using TLabelMaker = std::function<TLabel*(TControl* Owner, TsBoundLabel& Bound)>;

  explicit TsBoundLabel(TControl* AOwner, TLabelMaker Maker = {}) : FOwner(AOwner), FMaker(std::move(Maker)) {}
  ~TsBoundLabel();
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  bool GetActive() const { return FLabel != nullptr; }
  // Creates the label (owned by the control) or frees it.
  void SetActive(bool Value);
  const std::wstring& GetCaption() const { return FCaption; }
  void SetCaption(std::wstring Value);
  TLabel* GetLabel() const { return FLabel; }

  // Places a visible label by Layout beside the control, on the control's
  // parent, enabled with the control (or always); with a MaxWidth its words
  // wrap once it reaches MaxWidth - 4.
  void AlignLabel();
  // A message of the control: moves, sizes, showing and enabling realign the label.
  void HandleOwnerMsg(const TMessage& Message);
  // The label object is being freed (by whoever frees it): it is not active any more.
  void LabelGone() { FLabel = nullptr; }

  bool EnabledAlways = false;
  int Indent = 0;
  TsCaptionLayout Layout = sclLeft;
  int MaxWidth = 0;
  bool UseSkinColor = true;
  TFont Font;

 private:
  TControl* FOwner;
  TLabelMaker FMaker;
  TLabel* FLabel = nullptr;
  std::wstring FCaption;
};
