#pragma once
// Which window adapter each of the skin manager's class lists gives the
// controls it names: one line a list in list_adapters.cpp.
#include <memory>

#include "skin/controls/adapters/main_wnd.h"

// A new adapter of the list's kind for the window (not attached yet), or
// nullptr for a list without one here.
std::unique_ptr<TacMainWnd> MakeListAdapter(int List, HWND Window, TsSkinManager* Manager,
                                            const TacSkinParams& Params);
