#pragma once
// The skin gallery: one skinned form that shows every skinned control of the
// engine in its states, with a skin chooser (the internal skin and the folder
// and packed skins of a skin directory), hue, saturation and brightness
// sliders, a switch that removes and restores skinning, and a watch on the
// chosen skin's folder that reloads the skin when its files change, leaving
// the controls as they were.
#include <memory>
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/menus.h"
#include "framework/timer.h"
#include "skin/controls/basic/checkbox.h"
#include "skin/controls/basic/edit.h"
#include "skin/controls/basic/label.h"
#include "skin/controls/buttons/skinned_bit_btn.h"
#include "skin/controls/buttons/skinned_button.h"
#include "skin/controls/buttons/skinned_speed_button.h"
#include "skin/controls/labels/label_fx.h"
#include "skin/controls/labels/sticky_label.h"
#include "skin/controls/labels/web_label.h"
#include "skin/controls/scroll/edit_wnd_win.h"
#include "skin/controls/scroll/sb_wnd_win.h"
#include "skin/forms/skin_provider.h"
#include "skin/win/skin_manager.h"
#include "tools/gallery/gallery_options.h"
#include "tools/gallery/plain_control.h"
#include "tools/gallery/skin_folder_watch.h"

// The name the internal skin goes by in the chooser.
inline constexpr char kGalleryInternalSkin[] = "Lanque";

class TGalleryForm : public TForm {
 public:
  explicit TGalleryForm(TComponent* AOwner);
  // The window adapters let go of the plain windows before those go.
  ~TGalleryForm() override;

  // The command line's choices: skin directory, skin, colour changes, skinning.
  void ApplyOptions(const TGalleryOptions& Options);

  // What the chooser and the switch do (tests and the command line come this way too).
  void SetSkinDirectory(const std::wstring& Folder);
  void ChooseSkin(const std::string& Name);
  void SetSkinned(bool Value);
  // What one step of a slider does: the slider moves and the manager follows.
  void SetHue(int Degrees);
  void SetSaturation(int Value);
  void SetBrightness(int Value);

  // The chooser's names, in its order: the internal skin first.
  const std::vector<std::string>& SkinNames() const { return FSkinNames; }
  // Reloads of the chosen skin after its files changed (a refused one keeps
  // the skin as it was and says why in a message box).
  int Reloads() const { return FReloads; }

  TsSkinManager* SkinManager = nullptr;
  TsSkinProvider* SkinProvider = nullptr;

  // Menu bar and popup menu.
  std::vector<TsButton*> MenuBarItems;
  std::vector<TPopupMenu*> MenuBarMenus;
  TPopupMenu* PopupMenu = nullptr;
  // Buttons.
  TsBitBtn* BitBtnNormal = nullptr;
  TsBitBtn* BitBtnDown = nullptr;
  TsBitBtn* BitBtnDisabled = nullptr;
  TsButton* ButtonNormal = nullptr;
  TsButton* ButtonDefault = nullptr;
  TsButton* ButtonDisabled = nullptr;
  TsButton* PopupButton = nullptr;
  TsButton* MessageButton = nullptr;
  TsSpeedButton* SpeedButton = nullptr;
  TsSpeedButton* SpeedLeft = nullptr;  // a group of two, this one down
  TsSpeedButton* SpeedRight = nullptr;
  TsSpeedButton* SpeedDropDown = nullptr;  // drops the popup menu
  // Edits and check boxes.
  TsEdit* Edit = nullptr;
  TsCheckBox* CheckChecked = nullptr;
  TsCheckBox* CheckUnchecked = nullptr;
  TsCheckBox* CheckGrayed = nullptr;
  // Labels.
  TsLabel* Label = nullptr;
  TsLabel* LabelBold = nullptr;
  TsWebLabel* WebLabel = nullptr;
  TsLabelFX* LabelFX = nullptr;
  TsStickyLabel* StickyLabel = nullptr;  // glued below the scroll bar
  // Lists, the multi-line edit and the scroll bar (plain system windows).
  TPlainControl* ListBox = nullptr;
  TPlainControl* Memo = nullptr;
  TPlainControl* ScrollBar = nullptr;
  // The skinned frames and bars of those windows.
  std::unique_ptr<TacEditWnd> ListBoxAdapter;
  std::unique_ptr<TacEditWnd> MemoAdapter;
  std::unique_ptr<TacSBWnd> ScrollBarAdapter;
  // The skin's controls.
  TsEdit* SkinDirectoryField = nullptr;
  TsButton* SkinDirectoryButton = nullptr;
  TPlainControl* SkinChooser = nullptr;
  TsCheckBox* SkinnedSwitch = nullptr;
  TPlainControl* HueSlider = nullptr;
  TPlainControl* SaturationSlider = nullptr;
  TPlainControl* BrightnessSlider = nullptr;
  TsLabel* HueValue = nullptr;
  TsLabel* SaturationValue = nullptr;
  TsLabel* BrightnessValue = nullptr;

  // Shows the message boxes of the message-box button and of refused skins
  // (MessageBoxW; tests answer in its place).
  std::function<int(HWND Owner, const std::wstring& Text, const std::wstring& Caption, UINT Flags)> MessageBoxProc;

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  // One group of controls each, at its place on the form.
  void BuildMenus();
  void BuildButtons(int Left, int Top);
  void BuildEdits(int Left, int Top);
  void BuildLabels(int Left, int Top);
  void BuildLists(int Left, int Top);
  void BuildScrollBars(int Left, int Top);
  void BuildSkinControls(int Left, int Top);
  TsLabel* AddHeading(const wchar_t* Caption, int Left, int Top);
  TPlainControl* AddSlider(const wchar_t* Caption, int Left, int Top, int Min, int Max, TsLabel*& Value);

  void FillSkinChooser();
  void SliderMoved(TPlainControl* Slider);
  void ShowSliderValues();
  // Watches the chosen skin's files: its folder, or the skin directory for a packed skin.
  void WatchChosenSkin();
  void SkinFilesChanged();

  std::vector<std::string> FSkinNames;
  std::unique_ptr<TSkinFolderWatch> FWatch;
  TTimer* FReloadTimer = nullptr;  // gathers a burst of changes into one reload
  int FReloads = 0;
  bool FReloading = false;
};
