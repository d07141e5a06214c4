#pragma once
// Per-control skin data: the binding of a control (or a form's skin provider,
// or a window adapter) to a skin section, its cached picture, its visual
// state, and the message handling every skinned object shares.
#include <memory>
#include <string>

#include "framework/win_control.h"
#include "skin/data/binding/bg_info.h"
#include "skin/data/skin_records.h"
#include "skin/win/skin_messages.h"

class TsSkinManager;

enum TacOuterVisibility { ovNone, ovAlways };

// Outer-effect options of one control.
struct TacOuterEffects {
  TacOuterVisibility Visibility = ovNone;
  void SetVisibility(TacOuterVisibility Value) { Visibility = Value; }
};

// Skin-state bits.
inline constexpr unsigned ssParentDependent = 0x1;
inline constexpr unsigned ssRecompute = 0x2;
inline constexpr unsigned ssScrollOwner = 0x200;
inline constexpr unsigned ssResizePending = 0x400;
inline constexpr unsigned ssUpdating = 0x800;

enum TacParentDependence { pdDependent, pdIndependent, pdNotReady };

class TsCommonData {
 public:
  // The owner is a control or a form's skin provider; with CreateCacheBmp an
  // empty cache bitmap is made at once.
  TsCommonData(TComponent* AOwner, bool CreateCacheBmp);
  virtual ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  TsSkinManager* GetSkinManager() const;
  void SetSkinManager(TsSkinManager* Value);
  const std::string& GetSkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& Value);

  bool Skinned(bool CheckActive = false) const;
  void UpdateIndexes();
  void UpdateData();
  void Loaded();
  // The section's colours onto an edit-like control's colour and font.
  void UpdateControlColors(bool Repaint);
  void Invalidate(bool UpdateNow = false);
  void BeginUpdate();
  void EndUpdate(bool Repaint = false);
  bool GetUpdating() const;
  bool InUpdating(bool Reset = false);
  void UpdateSkinState(bool Recursive = false);
  TacParentDependence ParentDependence() const;

  TColor GetBGColor(int State, HWND Window = nullptr) const;
  TCacheInfo GetParentCache() const;
  bool RepaintIfMoved() const;
  bool ChildBgIsChanged() const { return true; }
  bool ControlIsActive() const;
  bool IsCached() const;
  bool HaveOuterEffects() const;
  void InitCacheBmp();
  // The cache is stale: changed background, empty, or not the control's size.
  bool CacheIsStale() const;
  // Drops the cached pixels. The bitmap object itself stays for the data's
  // life, so a child still holding its parent's cache sees an empty picture.
  void ReleaseCache();
  // The size the cache is made at: the control's, or a provider form's whole
  // window, or an adapted window's.
  SIZE CacheSize() const;

  // The section's state record for a control state (limited to the section's states).
  const TsGenState* StateProps(int State) const;
  const TsGeneralData* Section() const;

  TControl* OwnerControl = nullptr;
  TComponent* OwnerObject = nullptr;
  // The form of a skin provider that owns this data; none for controls.
  TWinControl* ProviderForm = nullptr;
  // The window of a window adapter that owns this data; none otherwise.
  HWND AdaptedWindow = nullptr;
  std::unique_ptr<TBitmap32> CacheBitmap;
  TacOuterEffects OuterEffects;
  bool CustomFont = false;
  bool CustomColor = false;
  int UpdateCount = 0;
  TColor ColorTone = clNone;
  int HUEOffset = 0;
  int Saturation = 0;
  int GlowHandle = -1;
  int OuterHandle = -1;  // the outer effect's window (glow windows' handles)
  bool UpdatingMark = false;
  bool Loading = true;
  int BorderMaskIndex = -1;
  int SkinIndex = -1;
  int TextureIndex = -1;
  int HotTextureIndex = -1;
  bool Marked = true;
  int ControlKind = 0;
  // Frames, panels, scrolling containers and page controls decide whether
  // their background depends on their parent.
  bool IsContainer = false;
  std::string OwnerClassName;  // the default section of kinds without one
  bool Focused = false;
  bool MouseAbove = false;
  unsigned SkinState = ssRecompute;
  unsigned BgShape = 0;
  void* ScrollOwner = nullptr;
  bool BackgroundChanged = true;
  TPoint CachedAt{-1, -1};  // where the owner was when the cache was made
  // The name screen readers give a control whose text is no name (an edit):
  // the caption of the label that goes with it.
  std::wstring AccessibleName;

 private:
  // Null again when that manager is freed: the data falls back to the default one.
  TComponentRef<TsSkinManager> FSkinManager;
  std::string FSkinSection;
};

// Controls and windows that carry skin data hand it out for acmGetCommonData.
TsCommonData* GetCommonData(HWND Window);
TsCommonData* GetCommonData(TControl* Control);

// A control's background colour as its children see it.
TColor GetControlColor(TControl* Control);
TColor GetControlColor(HWND Window);

// Fills info with what a child needs to paint its background.
void InitBGInfo(TsCommonData& Data, TacBGInfo& Info, int State, HWND Window = nullptr);
// Asks a control (command acmGetBgInfo) for its background information.
void GetBGInfo(TacBGInfo& Info, TControl* Control);
void GetBGInfo(TacBGInfo& Info, HWND Window);
TCacheInfo GetParentCacheHwnd(HWND Window);
void InvalidateParentCache(const TsCommonData& Data);

// The section whose font colours a control's text uses.
int GetFontIndex(TControl* Control, int DefaultIndex, TsSkinManager* Manager, int State);

// Shared handling of window messages before the owner's own; true when the
// message is answered and must go no further.
bool CommonWndProc(TMessage& Message, TsCommonData* Data);
// Shared handling of the skin command message; false for commands the owner handles.
bool CommonMessage(TMessage& Message, TsCommonData* Data);
