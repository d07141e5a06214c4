#pragma once
// What the skinned frame knows of its form: a plain description the platform
// side fills in from the window (sizes, style, state, caption, icon, system
// menu) and from the skin provider's options, instead of a window handle.
#include <string>
#include <vector>

#include "base/form_kinds.h"
#include "skin/paint/bitmap32.h"

// The window style bits the frame reads (values of the platform's styles).
inline constexpr unsigned kWsBorder = 0x00800000;
inline constexpr unsigned kWsDlgFrame = 0x00400000;
inline constexpr unsigned kWsCaption = kWsBorder | kWsDlgFrame;
inline constexpr unsigned kWsThickFrame = 0x00040000;
inline constexpr unsigned kWsChild = 0x40000000;

// System metrics of the non-client area, read once by the platform side.
struct TacFrameMetrics {
  int CxFrame = 4;       // sizing frame
  int CxDlgFrame = 3;    // fixed frame
  int CyCaption = 19;    // caption
  int CySmCaption = 15;  // tool-window caption
  int CyMenu = 19;       // one menu row
};

enum TacGripMode { gmNone, gmRightBottom };

// The provider's title icon override; zero sizes follow the caption height.
struct TacTitleIcon {
  const TBitmap32* Glyph = nullptr;  // not owned
  int Width = 0;
  int Height = 0;
  bool Visible = true;
};

// A user caption button: its width (the wider of its glyph + 2 and one
// "TITLEBUTTON" frame, 21 without the mask) and its state.
struct TacUserButton {
  int Width = 21;
  bool Visible = true;
  bool Enabled = true;
};

struct TacFrameForm {
  // The window and its client area.
  int Width = 0;
  int Height = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  unsigned Style = 0;  // kWs... bits of the window style
  TBorderStyle BorderStyle = bsSizeable;
  TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TWindowState WindowState = wsNormal;
  int FormBorderWidth = 0;  // the form's own border width property
  bool Active = true;       // drawn in the active state
  bool Enabled = true;
  bool MainForm = true;     // the application's main form
  bool RightToLeft = false;
  bool ParentedOrChild = false;
  bool SizeConstraints = false;  // the form limits its size

  // The caption text in the system code page and the caption font's text height.
  std::string Caption;
  int CaptionTextHeight = 0;
  // The form's (else the application's) icon: 32 bits, straight alpha; not owned.
  const TBitmap32* Icon = nullptr;

  // The window's system menu.
  bool MenuHasClose = true;
  bool CloseEnabled = true;
  // Main menu rows shown in the menu band (0: no main menu).
  int MenuRows = 0;

  // Skin provider options.
  std::string SkinSection = "FORM";
  std::string TitleSkin;     // empty: "FORMTITLE"
  std::string MenuLineSkin;  // empty: "MENULINE"
  TAlignment CaptionAlignment = taLeftJustify;
  bool ShowAppIcon = true;
  TacTitleIcon TitleIcon;
  TacGripMode GripMode = gmNone;
  std::vector<TacUserButton> UserButtons;
  // The look of each system caption button: 0 normal, 1 hot, 2 pressed.
  struct {
    int Close = 0, Max = 0, Min = 0, Help = 0;
  } ButtonStates;

  bool Minimized() const { return WindowState == wsMinimized; }
  bool Maximized() const { return WindowState == wsMaximized; }
  bool HasSysMenu() const { return (BorderIcons & biSystemMenu) != 0; }
  bool SingleOrSizeable() const { return BorderStyle == bsSingle || BorderStyle == bsSizeable; }
  bool ToolWindow() const { return BorderStyle == bsToolWindow || BorderStyle == bsSizeToolWin; }
};
