#pragma once
// Every private window message of the program, in one table, so that no two
// subsystems pick the same number. Plain numbers: portable code (the skin
// command codes) includes this too.
//
//   0x8001         WM_APP + 1    WM_PAGEFETCHED: the page engine's fetch has finished (posted to its own window)
//   0x8002         WM_APP + 2    WM_TIMERHANDOVER: a worker thread's tick for a timer of the timer window's thread
//   0x8010         WM_APP + 16   WM_SKINFOLDERCHANGED: the skin gallery's watched skin files changed (its form)
//   0x0401, 0x0405 WM_USER + n   WM_TRAYICON_*: notification icon callbacks (its own hidden window)
//   0xA100         SM_ALPHACMD   the skin command message; command code in the high word of wParam
//   0xB000         CM_BASE       framework notices sent through a control's WindowProc
//   0xBC00         CN_BASE       notifications reflected from a parent to its child control
//                                (CN_BASE + WM_COMMAND, + WM_CTLCOLOR*)

inline constexpr unsigned SM_ALPHACMD = 0xA100;

inline constexpr unsigned CM_BASE = 0xB000;
// The skin manager asks every form to repaint whole (frame and children).
inline constexpr unsigned CM_INVALIDATEFORMS = CM_BASE + 0x00;
// The mouse has entered or left a control's window.
inline constexpr unsigned CM_MOUSEENTER = CM_BASE + 0x13;
inline constexpr unsigned CM_MOUSELEAVE = CM_BASE + 0x14;

inline constexpr unsigned CN_BASE = 0xBC00;

inline constexpr unsigned WM_PAGEFETCHED = 0x8000 + 1;            // WM_APP + 1
inline constexpr unsigned WM_TIMERHANDOVER = 0x8000 + 2;          // WM_APP + 2
inline constexpr unsigned WM_SKINFOLDERCHANGED = 0x8000 + 16;     // WM_APP + 16
inline constexpr unsigned WM_TRAYICON_CALLBACK = 0x0400 + 1;      // WM_USER + 1
inline constexpr unsigned WM_TRAYICON_BALLOONCLICK = 0x0400 + 5;  // WM_USER + 5
