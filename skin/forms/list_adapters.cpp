#include "skin/forms/list_adapters.h"

#include "skin/controls/adapters/btn_wnd.h"
#include "skin/controls/adapters/check_wnd.h"
#include "skin/controls/adapters/static_wnd.h"
#include "skin/controls/scroll/edit_wnd_win.h"
#include "skin/controls/scroll/sb_wnd_win.h"
#include "skin/win/skin_manager.h"

namespace {

using TMaker = std::unique_ptr<TacMainWnd> (*)(HWND, TsSkinManager*, const TacSkinParams&);

template <typename T>
std::unique_ptr<TacMainWnd> Make(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params) {
  return std::make_unique<T>(Window, Manager, Params);
}

// The lists not named here (speed buttons among them, which are no windows)
// adapt nothing.
constexpr struct {
  int List;
  TMaker Maker;
} kListAdapters[] = {
    {tpButton, Make<TacBtnWnd>},
    {tpCheckBox, Make<TacCheckBoxWnd>},
    {tpGroupBox, Make<TacGroupBoxWnd>},
    {tpStaticText, Make<TacStaticWnd>},
    {tpEdit, Make<TacEditWnd>},
    {tpScrollBar, Make<TacSBWnd>},
};

}  // namespace

std::unique_ptr<TacMainWnd> MakeListAdapter(int List, HWND Window, TsSkinManager* Manager,
                                            const TacSkinParams& Params) {
  for (const auto& row : kListAdapters)
    if (row.List == List) return row.Maker(Window, Manager, Params);
  return nullptr;
}
