#pragma once
// The show, hide, minimise and restore animations of a skinned form, each
// on a layered cover window of its own that shows a picture of the form
// (frame and children) frame by frame; the frames come from
// skin/forms/animation/. The show runs at once and blocks the form's
// thread, 12 ms a frame; the hide, minimise and restore are driven by a
// threaded timer. Whatever ends an animation (its last frame, a close, a
// second show, a skin change, the provider going) frees its cover and
// leaves the form drawable, visible as its state says and not layered.
#include <functional>
#include <memory>

#include <windows.h>

#include "framework/messages.h"
#include "skin/forms/animation/form_animation.h"
#include "skin/paint/bitmap32.h"
#include "skin/win/skin_manager.h"

enum TacAnimKind { akShow, akHide, akMinimize, akRestore };

// The window an animator moves: a skinned form's provider or a skinned
// dialog's frame.
class TacAnimatedWindow {
 public:
  // nullptr while there is no window.
  virtual HWND AnimWindow() const = 0;
  // Animations run only while the window wears the skin.
  virtual bool AnimSkinned() const = 0;
  // Brings the frame's picture up to date before the window's picture is taken.
  virtual void PrepareAnimPicture() = 0;
  // The manager's settings for a kind (a restore follows the minimise's).
  virtual TacFormAnimation AnimEffect(TacAnimKind Kind) const = 0;

 protected:
  ~TacAnimatedWindow() = default;
};

// One frame as it is pushed to its cover: the kind, the frame's number, the
// frame, the cover's place on the screen and the picture it was given
// (premultiplied, shown at the frame's alpha).
struct TacAnimStep {
  TacAnimKind Kind = akShow;
  int Index = 0;
  TacAnimFrame Frame;
  RECT Cover{};
  const TBitmap32* Work = nullptr;
};

// For tests: a hook that sees every frame (false ends the animation there,
// as an early return would), whether frames are paced 12 ms apart (without,
// the hide also runs at once), a show held at a frame (the show stops there
// and leaves its cover, for a picture of it), and the platform's condition
// for a stepped minimise forced on (1) or off (0).
struct TacAnimSwitches {
  std::function<bool(const TacAnimStep&)> OnStep;
  bool Paced = true;
  int HoldShowAt = -1;
  int SmoothMinimize = -1;
};
TacAnimSwitches& AnimSwitches();

// True while a show or hide animation runs.
extern bool InAnimationProcess;

class TacFormAnimator {
 public:
  explicit TacFormAnimator(TacAnimatedWindow& Target);
  ~TacFormAnimator();
  TacFormAnimator(const TacFormAnimator&) = delete;
  TacFormAnimator& operator=(const TacFormAnimator&) = delete;

  // The window's messages, before its own handling: showing, hiding,
  // minimising and restoring start the animations. Never answers one.
  void Message(const TMessage& Message);
  // Ends every running animation of the form at once.
  void Stop();

 private:
  struct TCover;
  struct TTimed;
  void ArmShow();
  void RunShow();
  void StartHide();
  void StartMinimize();
  void StartRestore();
  void EndMinimize(bool restored);
  bool Push(TCover& Cover, TacAnimKind Kind, int Index, const TacAnimFrame& Frame, POINT At);

  TacAnimatedWindow& FTarget;
  bool FShowArmed = false;
  bool FShowing = false;
  bool FLayered = false;  // the form was made layered by an animation
  std::unique_ptr<TTimed> FTimed;    // the running hide, minimise or restore
  std::unique_ptr<TTimed> FRetired;  // the one stopped last
  std::unique_ptr<TacMinimizeAnim> FMinimized;  // a finished minimise, for its restore
};
