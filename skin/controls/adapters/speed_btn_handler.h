#pragma once
// The skin of a framework speed button from outside: the handler takes the
// button's messages (giving them back when it goes, when the skin is
// removed, or when the button goes), paints the button from the skin section
// at every paint and follows the mouse's entering and leaving.
#include <string>

#include "framework/speed_button.h"
#include "skin/win/common_data.h"

class TsSkinManager;

class TacSpeedButtonHandler {
 public:
  // Manager none: the skin data's (the default one).
  TacSpeedButtonHandler(TSpeedButton& Control, TsSkinManager* Manager, const std::string& Section);
  ~TacSpeedButtonHandler();
  TacSpeedButtonHandler(const TacSpeedButtonHandler&) = delete;
  TacSpeedButtonHandler& operator=(const TacSpeedButtonHandler&) = delete;

  TsCommonData SkinData;
  // The button's messages pass through the handler.
  bool Attached() const { return FAttached && FControl; }
  // 2 pressed (held or down), 1 hot, 0 normal.
  int CurrentState() const;
  // Cache builds so far.
  int CacheBuilds() const { return FCacheBuilds; }

 private:
  void WndProc(TMessage& Message);
  bool SkinCommand(TMessage& Message);
  void Detach();
  bool PrepareCache();
  void Repaint();

  TComponentRef<TSpeedButton> FControl;
  TWndMethod FOldWndProc;
  bool FAttached = false;
  int FCacheBuilds = 0;
};
