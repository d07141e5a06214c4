#pragma once
// The skin command message: one private window message by which skinned
// controls, form providers, window adapters and the skin manager talk. The
// command code travels in the high word of WParam, a small argument in the
// low word; LParam is command-specific.
#include <cstdint>
#include <string>

#include "base/private_messages.h"

enum TacCommand : int {
  acmNewSkin = 1,          // LParam: the manager; bound receivers re-read their skin
  acmRemoveSkin = 2,       // LParam: the manager; bound receivers drop their skin
  acmRefresh = 3,          // LParam: the manager; colours or state changed
  acmGetProvider = 4,      // answer: a form's skin provider
  acmParentUpdated = 6,    // the parent finished updating
  acmIsHandled = 7,        // answer 1: the receiver is skinned
  acmSetUpdating = 8,      // low word 1 sets the updating mark, else clears it
  acmQueryUpdating = 10,   // answer 1 while updating
  acmGetMarked = 11,       // answer the mark set by acmSetMarked
  acmUpdateSection = 13,   // LParam: upper-cased section name to repaint
  acmSetSection = 15,      // LParam: TacSectionInfo; answer 1 when set
  acmStopAnimation = 16,
  acmBgChanged = 17,       // low word 1 when sent by a child
  acmInvalidate = 18,
  acmChildBgChanged = 19,  // answer 1: children must rebuild their background
  acmRepaintIfMoved = 20,  // low word 1: redraw now
  acmGetBgColor = 21,      // LParam: fallback colour; answer the background colour
  acmSetMarked = 22,
  acmPrepareCache = 23,
  acmFadeFrame = 24,       // LParam: the fade timer's paint target
  acmAddToAdapter = 25,    // LParam: the control
  acmGetSkinIndex = 26,    // LParam: address of an int
  acmInitControls = 28,
  acmEnterHot = 29,        // LParam: the manager
  acmLeaveHot = 30,        // LParam: the manager
  acmBeginUpdate = 31,
  acmEndUpdate = 32,
  acmClearCache = 33,
  acmGetBgInfo = 34,       // LParam: TacBGInfo to fill
  acmSkinState = 36,       // LParam 1: recompute; answer the state bits
  acmGetCommonData = 37,   // answer: the receiver's TsCommonData
  acmSetScrollOwner = 38,  // LParam: pointer or 0
  acmPaintOuter = 40,      // LParam: TacBGInfo; low word: flags
  acmLockRedraw = 51,
  acmUnlockRedraw = 52,
  acmFrameChanged = 53,
  acmGetApplication = 60,
  acmGetOffsets = 61,      // answer: client offset, x low word, y high word
  acmTitleChanged = 62,
  acmGetBounds = 70,       // LParam: rectangle to fill
  acmSkinDataArrived = 71,
};

// WParam of a skin command: the code in the high word, the argument in the low word.
constexpr std::uintptr_t MakeAcmWParam(int code, int argument = 0) {
  return (static_cast<std::uintptr_t>(code & 0xFFFF) << 16) | static_cast<std::uintptr_t>(argument & 0xFFFF);
}
constexpr int AcmCode(std::uintptr_t wparam) { return static_cast<int>((wparam >> 16) & 0xFFFF); }
constexpr int AcmArgument(std::uintptr_t wparam) { return static_cast<int>(wparam & 0xFFFF); }

// The record of acmSetSection: the receiver uses Name.
struct TacSectionInfo {
  std::int32_t Reserved1 = 0;
  std::string Name;
  std::int32_t Reserved2 = 0;
};
