#pragma once
// The framework's message record, its own message numbers (from the
// program's one table of private messages) and typed readings of the paint
// and non-client messages.
#include <windows.h>

#include "base/private_messages.h"

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// Notifications a parent window receives for a child (WM_COMMAND, WM_CTLCOLOR*,
// a button's WM_DRAWITEM)
// are reflected to the child control as CN_BASE + the original number.
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;

// Typed readings of a message's parameters, decoded once where it arrives.
struct TWMPaint {  // WM_PAINT, WM_PRINTCLIENT: a DC to paint into, or none (then BeginPaint)
  explicit TWMPaint(const TMessage& M) : DC(reinterpret_cast<HDC>(M.WParam)) {}
  HDC DC;
};
struct TWMPrint {  // WM_PRINT
  explicit TWMPrint(const TMessage& M) : DC(reinterpret_cast<HDC>(M.WParam)), Flags(static_cast<DWORD>(M.LParam)) {}
  HDC DC;
  DWORD Flags;  // PRF_*
};
struct TWMNCHitTest {  // WM_NCHITTEST and the WM_NC* mouse messages: a point on the screen
  explicit TWMNCHitTest(const TMessage& M)
      : Pos{static_cast<short>(LOWORD(M.LParam)), static_cast<short>(HIWORD(M.LParam))},
        HitTest(static_cast<int>(M.WParam)) {}
  POINT Pos;
  int HitTest;  // the hit code of a WM_NC* mouse message
};
struct TWMNCCalcSize {  // WM_NCCALCSIZE
  explicit TWMNCCalcSize(const TMessage& M)
      : CalcValidRects(M.WParam != 0),
        Params(M.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(M.LParam) : nullptr),
        Rect(M.WParam ? &Params->rgrc[0] : reinterpret_cast<RECT*>(M.LParam)) {}
  bool CalcValidRects;
  NCCALCSIZE_PARAMS* Params;  // only when CalcValidRects
  RECT* Rect;                 // the window rectangle in, the client rectangle out
};
struct TWMNCPaint {  // WM_NCPAINT
  explicit TWMNCPaint(const TMessage& M) : Region(reinterpret_cast<HRGN>(M.WParam)) {}
  HRGN Region;  // the update region, or 1 for the whole frame
};
struct TWMNCActivate {  // WM_NCACTIVATE
  explicit TWMNCActivate(const TMessage& M) : Active(M.WParam != 0) {}
  bool Active;
};
struct TWMActivate {  // WM_ACTIVATE
  explicit TWMActivate(const TMessage& M)
      : Active(LOWORD(M.WParam)), Minimized(HIWORD(M.WParam) != 0), Other(reinterpret_cast<HWND>(M.LParam)) {}
  WORD Active;  // WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE
  bool Minimized;
  HWND Other;
};
struct TWMWindowPosMsg {  // WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED
  explicit TWMWindowPosMsg(const TMessage& M) : WindowPos(reinterpret_cast<WINDOWPOS*>(M.LParam)) {}
  WINDOWPOS* WindowPos;
};
struct TWMParentNotify {  // WM_PARENTNOTIFY
  explicit TWMParentNotify(const TMessage& M)
      : Event(LOWORD(M.WParam)), Child(Event == WM_CREATE || Event == WM_DESTROY ? reinterpret_cast<HWND>(M.LParam) : nullptr) {}
  UINT Event;
  HWND Child;  // for WM_CREATE and WM_DESTROY
};
