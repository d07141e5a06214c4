#pragma once
// The skin manager: the component that owns the application's current skin,
// chooses where it comes from (an external folder or packed file in the skin
// directory, or a skin stored with the layout), loads it into the skin model,
// and announces new, removed and refreshed skins to every skinned window.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "skin/data/binding/form_shadows.h"
#include "skin/data/binding/skin_names.h"
#include "skin/data/skin_model.h"
#include "skin/data/stored_skins.h"

class TsSkinManager;
class TsSkinableMenus;

enum TacSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
enum TacOptimizingPriority { opSpeed, opMemory };

struct TacSkinEffects {
  bool AllowGlowing = true;
  bool AllowAeroBluring = true;
  bool DiscoloredGlyphs = false;
  bool AllowOuterEffects = false;
};

struct TacFormAnimation {
  bool Active = true;
  int Time = 0;  // milliseconds
  int Mode = 0;
};

enum TacBtnEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };

struct TacBlendOnMoving {
  bool Active = false;
  int BlendValue = 170;
  int Time = 1000;
};

struct TacAnimEffects {
  unsigned ButtonEvents = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
  TacFormAnimation DialogShow{true, 0, 1};
  TacFormAnimation FormShow{true, 0, 1};
  TacFormAnimation FormHide{true, 0, 1};
  TacFormAnimation DialogHide{true, 0, 1};
  TacFormAnimation PageChange{true, 0, 1};
  TacFormAnimation Minimizing{true, 120, 0};
  TacFormAnimation SkinChanging{true, 100, 0};
  TacBlendOnMoving BlendOnMoving;
};

struct TacButtonsSupport {
  bool ShowFocusRect = true;
  bool ShiftContentOnClick = true;
};

struct TacLabelsSupport {
  bool TransparentAlways = true;
};

struct TacScrollBarsSupport {
  int ScrollSize = -1;   // -1: the system's size
  int ButtonsSize = -1;
};

struct TacMenuSupport {
  int AlphaBlend = 255;
  std::string IcoLineSkin = "ICOLINE";
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TFont ExtraLineFont;
};

struct TacOptions {
  bool CheckEmptyAlpha = false;
  bool NoMouseHover = false;
  bool NativeBordersMaximized = false;
  bool StdGlyphsOrder = false;
  TacOptimizingPriority OptimizingPriority = opSpeed;
};

// The 22 lists of class names whose standard controls window adapters skin.
enum TacThirdPartyList {
  tpEdit, tpButton, tpBitBtn, tpCheckBox, tpComboBox, tpGrid, tpGroupBox, tpListView, tpPanel, tpTreeView,
  tpWWEdit, tpGridEh, tpVirtualTrees, tpPageControl, tpTabControl, tpToolBar, tpStatusBar, tpSpeedButton,
  tpScrollControl, tpUpDown, tpScrollBar, tpStaticText,
  tpCount
};
using ThirdPartyList = std::array<std::string, tpCount>;  // line-separated class names, as stored

// Each list's default: "TButton" for the buttons, a single blank for the others.
const std::string& DefaultThirdNames(int index);

class TsSkinManager : public TComponent {
 public:
  explicit TsSkinManager(TComponent* AOwner);
  ~TsSkinManager() override;

  void Loaded() override;

  bool GetActive() const { return FActive; }
  void SetActive(bool Value);
  // Skin names, the skin directory and other folders and files are UTF-8 text.
  const std::string& GetSkinName() const { return FSkinName; }
  void SetSkinName(const std::string& Value);
  const std::string& GetSkinDirectory() const { return FSkinDirectory; }
  void SetSkinDirectory(const std::string& Value);
  std::string GetFullSkinDirectory() const;
  const std::vector<std::string>& GetCommonSections() const { return FCommonSections; }
  void SetCommonSections(const std::vector<std::string>& Lines);
  int GetHueOffset() const { return FHueOffset; }
  void SetHueOffset(int Value);
  int GetSaturation() const { return FSaturation; }
  void SetSaturation(int Value);
  int GetBrightness() const { return FBrightness; }
  void SetBrightness(int Value);
  bool GetIsDefault() const;
  void SetIsDefault(bool Value);
  bool GetExtendedBorders() const { return FExtendedBorders; }
  void SetExtendedBorders(bool Value);
  // Rebuilds Shadows: margins 0 unless extended borders are on and a skin is active.
  void CheckShadows();

  // The skin's version as text, "N/A" without a loaded skin.
  std::string GetSkinInfo() const;
  static std::string GetVersion() { return "9.02"; }

  void UpdateSkin(bool Repaint = true);
  void UpdateCurrentSkin();
  void UpdateSkinSection(const std::string& SectionName);
  void SendNewSkin(bool Repaint = true);
  void SendRemoveSkin();
  void RepaintForms(bool DoLockForms = true);
  void BeginUpdate() { FUpdateLock = true; }
  void EndUpdate(bool Repaint = true, bool AllowAnimation = true);
  bool IsUpdateLocked() const { return FUpdateLock; }

  // Internal names first, then the external skins; sorted; the first name added.
  std::string GetSkinNames(std::vector<std::string>& List, TacSkinTypes Types = stAllSkins) const;
  std::string GetExternalSkinNames(std::vector<std::string>& List, TacSkinTypes Types = stAllSkins) const;
  std::string GetRandomSkin() const;
  std::vector<std::string> GetSkinSections() const;

  bool ExtractInternalSkin(const std::string& NameOfSkin, const std::string& DestDir) const;
  bool ExtractByIndex(int Index, const std::string& DestDir) const;

  // Replaces one image of the loaded skin by a picture file; true when something changed.
  bool ChangeImageInSkin(const std::string& Section, const std::string& Key, const std::string& FileName);

  int GetScrollSize() const;
  int GetComboBtnSize() const;

  // Whether a class name stands in list Index.
  bool IsThirdName(int Index, const std::wstring& ClassName) const;
  void LoadThirdNames(bool Reset);

  void SetActiveControl(HWND Window);
  void SetActiveGraphControl(TControl* Control);
  TControl* GetActiveGraphControl() const { return FActiveGraphControl; }
  HWND GetActiveControl() const { return FActiveControl; }

  bool MainWindowHook(TMessage& Message);

  // The skinning of popup menus (on while SkinnedPopups is set).
  TsSkinableMenus& SkinableMenus() { return *FSkinableMenus; }

  // Whether the current skin comes from a packed file of the skin directory.
  bool IsPackedSkin() const { return FPackedSkin; }
  bool SkinLoaded() const { return FSkinLoaded; }
  double GetSkinVersion() const { return Model.SkinData.Version; }
  bool IsSkinLoading() const { return FLoadingSkin; }

  TsSkinModel Model;
  TacShadowImages Shadows;  // the form shadows of extended borders
  TsStoredSkins InternalSkins;
  TacSkinEffects Effects;
  TacAnimEffects AnimEffects;
  TacButtonsSupport ButtonsOptions;
  TacLabelsSupport LabelsOptions;
  TacScrollBarsSupport ScrollsOptions;
  TacMenuSupport MenuSupport;
  TacOptions Options;
  ThirdPartyList ThirdParty;
  bool SkinnedPopups = true;
  unsigned SkinningRules = srStdForms | srStdDialogs | srThirdParty;

  TNotifyEvent OnActivate, OnDeactivate, OnBeforeChange, OnAfterChange, OnSkinLoading, OnSkinListChanged;
  // Asked before a system dialog is skinned; clearing Allow keeps its system look.
  std::function<void(HWND Window, bool& Allow)> OnSysDlgInit;
  // How many skinned system dialogs may be visible at once, the new one included.
  int DialogsLevel = 2;
  // Class names of framework forms the window hook never skins ("TMyForm").
  std::vector<std::string> ThirdPartySkipForms;
  // Shows a message box; tests replace it. Arguments: text and caption (UTF-8), flags.
  std::function<void(const std::string&, const std::string&, unsigned)> ShowMessage;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // Loads the skin named FSkinName; false when none could be found.
  bool LoadNamedSkin();
  // Raises EPackedSkinError (the loaded skin staying) for a skin that cannot be loaded.
  void LoadFrom(const TsSkinSource& Source);
  void CheckVersion();
  bool ExternalSkinWins() const;

  bool FActive = true;
  std::string FSkinName;
  std::string FSkinDirectory;
  std::vector<std::string> FCommonSections;
  int FHueOffset = 0;
  int FSaturation = 0;
  int FBrightness = 0;
  bool FExtendedBorders = false;
  bool FPackedSkin = false;
  bool FSkinLoaded = false;
  bool FLoadingSkin = false;
  bool FUpdateLock = false;
  std::string FSkinPath;
  std::array<std::vector<std::wstring>, tpCount> FThirdLists;
  HWND FActiveControl = nullptr;
  TControl* FActiveGraphControl = nullptr;
  int FHookId = 0;
  std::unique_ptr<TsSkinableMenus> FSkinableMenus;
};

// The application's default manager: the first constructed, or none.
TsSkinManager* DefaultManager();
// True while a skin is being loaded or announced.
bool SkinChanging();
