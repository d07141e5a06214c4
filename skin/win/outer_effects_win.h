#pragma once
// The outer effect of a skinned control (a shadow or a lowered frame around
// it) shown in a layered, click-through window of the glow windows just
// above the control's form, while the manager allows outer effects, the
// control asks for them always, it can be seen and the desktop is composed
// (its partial alpha would show opaque otherwise; the glows' switch covers
// this too). It follows the control and its form: whatever moves, shows or
// hides either sends the control the skin command to paint its outer effect.
class TsCommonData;
class TWinControl;

// Shows the control's effect where the control is now, or hides it.
void UpdateOuterEffect(TsCommonData& Data);
// Every control on the container shows or hides its effect anew.
void UpdateOuterEffects(TWinControl& Container);
