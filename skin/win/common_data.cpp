#include "skin/win/common_data.h"

#include <algorithm>
#include <cctype>

#include "framework/form.h"
#include "skin/data/binding/control_kinds.h"
#include "skin/win/glow_effects.h"
#include "skin/win/outer_effects_win.h"
#include "skin/win/skin_manager.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/hsv.h"

namespace {

std::string UpperCase(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

TWinControl* AsWindowed(TControl* control) { return dynamic_cast<TWinControl*>(control); }

bool HasBit(int value, int bit) { return (value >> bit) & 1; }

}  // namespace

TsCommonData::TsCommonData(TComponent* AOwner, bool CreateCacheBmp)
    : OwnerControl(dynamic_cast<TControl*>(AOwner)), OwnerObject(AOwner) {
  if (CreateCacheBmp) CacheBitmap = std::make_unique<TBitmap32>();
}

TsCommonData::~TsCommonData() {
  HideGlow(GlowHandle);
  HideGlow(OuterHandle);
  SkinIndex = BorderMaskIndex = TextureIndex = HotTextureIndex = -1;
}

TsSkinManager* TsCommonData::GetSkinManager() const { return FSkinManager ? FSkinManager.Get() : DefaultManager(); }

void TsCommonData::SetSkinManager(TsSkinManager* Value) {
  TsSkinManager* stored = Value == DefaultManager() ? nullptr : Value;
  if (stored == FSkinManager.Get()) return;
  FSkinManager = stored;
  if (OwnerObject && OwnerObject->IsLoading()) return;
  TsSkinManager* manager = GetSkinManager();
  if (manager && !manager->Model.gd.empty())
    UpdateIndexes();
  else
    SkinIndex = -1;
  if (OwnerControl && OwnerControl->GetParent() && !OwnerControl->IsDestroying() && !ProviderForm)
    SendAMessage(OwnerControl, SkinIndex >= 0 ? acmRefresh : acmRemoveSkin, reinterpret_cast<LPARAM>(manager));
}

void TsCommonData::SetSkinSection(const std::string& Value) {
  const std::string section = Value.empty() ? "UNKNOWN" : UpperCase(Value);
  if (section == FSkinSection) return;
  FSkinSection = section;
  HideGlow(GlowHandle);
  if (ProviderForm) {
    BackgroundChanged = true;
    return;
  }
  UpdateIndexes();
  if (!OwnerControl || OwnerControl->IsLoading() || !OwnerControl->GetParent()) return;
  if (TWinControl* windowed = AsWindowed(OwnerControl)) {
    if (CacheBitmap) *CacheBitmap = TBitmap32();
    TMessage changed = MakeAcm(acmBgChanged, 0, 1);
    AlphaBroadCast(windowed, changed);
  }
  if (!GetUpdating() && !Loading)
    SendAMessage(OwnerControl, SkinIndex >= 0 ? acmRefresh : acmRemoveSkin,
                 reinterpret_cast<LPARAM>(GetSkinManager()));
}

bool TsCommonData::Skinned(bool CheckActive) const {
  const TsSkinManager* manager = GetSkinManager();
  if (FSkinSection.empty() || !manager || manager->IsDestroying()) return false;
  if (!manager->Model.IsValidSkinIndex(SkinIndex)) return false;
  if (OwnerObject && OwnerObject->IsDestroying()) return false;
  return !CheckActive || manager->GetActive();
}

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinManager* manager = GetSkinManager();
  if (!manager || !manager->Model.IsValidSkinIndex(SkinIndex)) return nullptr;
  return &manager->Model.gd[static_cast<std::size_t>(SkinIndex)];
}

const TsGenState* TsCommonData::StateProps(int State) const {
  const TsGeneralData* section = Section();
  if (!section) return nullptr;
  const int state = std::clamp(std::min(State, section->States - 1), 0, 1);
  return &section->Props[static_cast<std::size_t>(state)];
}

void TsCommonData::UpdateIndexes() {
  BackgroundChanged = true;
  TsSkinManager* manager = GetSkinManager();
  SkinIndex = manager && manager->GetActive() ? manager->Model.GetSkinIndex(FSkinSection) : -1;
  BgShape = 0;
  SkinState = (SkinState & ~(ssParentDependent | ssRecompute)) | ssRecompute;
  const TsGeneralData* section = Section();
  if (!section) {
    BorderMaskIndex = TextureIndex = HotTextureIndex = -1;
    return;
  }
  const TsGenState& normal = section->Props[0];
  if (normal.ImagePercent > 0) BgShape |= 4;
  if (normal.GradientPercent > 0 && !normal.GradientArray.empty()) {
    switch (normal.GradientArray.front().Mode1) {
      case gtLeftRight: BgShape |= 1; break;
      case gtTopBottom: BgShape |= 2; break;
      case gtAsBorder: BgShape |= 3; break;
    }
  }
  BorderMaskIndex = section->BorderMaskIndex;
  TextureIndex = manager->Model.GetTextureIndex(SkinIndex, FSkinSection, "PATTERN");
  HotTextureIndex = manager->Model.GetTextureIndex(SkinIndex, FSkinSection, "HOTPATTERN");
  UpdateSkinState();
}

void TsCommonData::UpdateData() {
  if (FSkinSection.empty())
    SetSkinSection(DefaultSectionOfKind(ControlKind, OwnerClassName));
  else
    UpdateIndexes();
}

void TsCommonData::Loaded() {
  Loading = false;
  UpdateData();
  UpdateOuterEffect(*this);
  if (!Skinned() || !OwnerControl || !OwnerControl->GetParent() || OwnerControl->IsLoading()) return;
  if (TWinControl* windowed = AsWindowed(OwnerControl)) {
    TWinControl* form = windowed->GetParent();
    while (form && form->GetParent()) form = form->GetParent();
    SendAMessage(form, acmAddToAdapter, reinterpret_cast<LPARAM>(OwnerControl));
  }
  UpdateControlColors(false);
}

void TsCommonData::UpdateControlColors(bool Repaint) {
  if (!Skinned() || !OwnerControl || !IsEditCtrl(ControlKind)) return;
  if (TWinControl* windowed = AsWindowed(OwnerControl); windowed && !windowed->HandleAllocated()) return;
  const TsGenState& normal = *StateProps(0);
  auto shifted = [&](TColor color) {
    return ChangeSaturation(ChangeHue(HUEOffset, ColorToRGB(color)), Saturation);
  };
  if (!CustomColor) {
    const TColor color = shifted(normal.Color);
    if (OwnerControl->GetColor() != color) OwnerControl->SetColor(color);
  }
  if (!CustomFont && ControlKind != 10) {
    const TColor color = shifted(normal.FontColor[0]);
    if (OwnerControl->GetFont().GetColor() != color) OwnerControl->GetFont().SetColor(color);
  }
  if (Repaint) Invalidate();
}

void TsCommonData::Invalidate(bool UpdateNow) {
  if (Loading || (OwnerObject && (OwnerObject->IsDestroying() || OwnerObject->IsLoading()))) return;
  BackgroundChanged = true;
  TWinControl* window = ProviderForm ? ProviderForm : AsWindowed(OwnerControl);
  if (!window && OwnerControl) {
    OwnerControl->Invalidate();
    return;
  }
  HWND handle = window ? (window->HandleAllocated() ? window->GetHandle() : nullptr) : AdaptedWindow;
  if (handle && IsWindow(handle))
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | (UpdateNow ? RDW_UPDATENOW : 0));
}

void TsCommonData::BeginUpdate() {
  ++UpdateCount;
  UpdatingMark = true;
  SkinState |= ssUpdating;
  SendAMessage(ProviderForm ? ProviderForm : OwnerControl, acmBeginUpdate);
}

void TsCommonData::EndUpdate(bool Repaint) {
  UpdateCount = std::max(0, UpdateCount - 1);
  UpdatingMark = false;
  if (UpdateCount == 0) SkinState &= ~ssUpdating;
  SendAMessage(ProviderForm ? ProviderForm : OwnerControl, acmEndUpdate);
  if (Repaint) Invalidate(true);
}

bool TsCommonData::GetUpdating() const {
  if (UpdatingMark) return true;
  if (!OwnerControl || OwnerControl->IsDestroying() || !OwnerControl->GetParent()) return false;
  return SendAMessage(OwnerControl->GetParent(), acmQueryUpdating) != 0;
}

bool TsCommonData::InUpdating(bool Reset) {
  if (Reset) UpdatingMark = false;
  if (!GetUpdating()) return false;
  UpdatingMark = true;
  return true;
}

TacParentDependence TsCommonData::ParentDependence() const {
  const TsGeneralData* section = Section();
  if (!section) return pdDependent;
  const TsSkinManager* manager = GetSkinManager();
  if (HaveOuterEffects()) return pdIndependent;
  const TsSkinModel& model = manager->Model;
  if (model.IsValidImgIndex(BorderMaskIndex) && HasBit(model.ma[static_cast<std::size_t>(BorderMaskIndex)].PaintMode, 4))
    return pdIndependent;
  const TsGenState& normal = section->Props[0];
  if (normal.Transparency == 100) {
    constexpr int fmDisTiled = 10;
    if (model.IsValidImgIndex(TextureIndex) && model.ma[static_cast<std::size_t>(TextureIndex)].PaintMode == fmDisTiled)
      return pdIndependent;
    if (!OwnerControl) return pdIndependent;
    TWinControl* parent = OwnerControl->GetParent();
    if (!parent || !parent->HandleAllocated()) return pdNotReady;
    if (IsHandledControl(parent))
      return (SendAMessage(parent, acmSkinState) & ssParentDependent) ? pdDependent : pdIndependent;
    return pdDependent;
  }
  if (normal.Transparency > 0) return pdIndependent;
  if (normal.ImagePercent > 0) return pdIndependent;
  const bool corners = std::any_of(section->CornerImageIndex.begin(), section->CornerImageIndex.end(),
                                   [&](int i) { return model.IsValidImgIndex(i); });
  return normal.GradientPercent == 0 && !corners ? pdDependent : pdIndependent;
}

void TsCommonData::UpdateSkinState(bool Recursive) {
  SkinState &= ~ssParentDependent;
  if (ProviderForm || IsContainer) {
    const TacParentDependence dependence = ParentDependence();
    if (dependence != pdNotReady) {
      SkinState &= ~ssRecompute;
      if (dependence == pdDependent) SkinState |= ssParentDependent;
    }
  }
  if (!Recursive) return;
  if (TWinControl* windowed = ProviderForm ? ProviderForm : AsWindowed(OwnerControl))
    for (int i = 0; i < windowed->GetControlCount(); ++i) SendAMessage(windowed->GetControl(i), acmSkinState, 1);
}

bool TsCommonData::HaveOuterEffects() const {
  const TsSkinManager* manager = GetSkinManager();
  return manager && manager->Effects.AllowOuterEffects && OuterEffects.Visibility == ovAlways &&
         (ProviderForm || AsWindowed(OwnerControl));
}

bool TsCommonData::ControlIsActive() const {
  if (!OwnerControl || OwnerControl->IsDestroying() || !OwnerControl->GetVisible()) return false;
  if (Focused) return true;
  if (TWinControl* windowed = AsWindowed(OwnerControl);
      windowed && windowed->HandleAllocated() && GetFocus() == windowed->GetHandle() && !IsContainer)
    return true;
  const TsSkinManager* manager = GetSkinManager();
  return MouseAbove && !(manager && manager->Options.NoMouseHover) && !IsForbidMouse(ControlKind);
}

bool TsCommonData::IsCached() const {
  if (!(SkinState & ssParentDependent) || HaveOuterEffects()) return true;
  if (IsCanNotBeHot(ControlKind)) return false;
  return ControlIsActive();
}

SIZE TsCommonData::CacheSize() const {
  RECT rect{};
  if (OwnerControl) return {std::max(0, OwnerControl->GetWidth()), std::max(0, OwnerControl->GetHeight())};
  if (ProviderForm && ProviderForm->HandleAllocated()) GetWindowRect(ProviderForm->GetHandle(), &rect);
  else if (ProviderForm) rect = ProviderForm->GetBoundsRect();
  else if (AdaptedWindow) GetWindowRect(AdaptedWindow, &rect);
  return {std::max(0, static_cast<int>(rect.right - rect.left)), std::max(0, static_cast<int>(rect.bottom - rect.top))};
}

void TsCommonData::InitCacheBmp() {
  const SIZE size = CacheSize();
  if (!CacheBitmap) CacheBitmap = std::make_unique<TBitmap32>();
  if (CacheBitmap->Width() != size.cx || CacheBitmap->Height() != size.cy) *CacheBitmap = TBitmap32(size.cx, size.cy);
}

void TsCommonData::ReleaseCache() {
  if (CacheBitmap) *CacheBitmap = TBitmap32();
  BackgroundChanged = true;
}

bool TsCommonData::CacheIsStale() const {
  if (BackgroundChanged || !CacheBitmap || CacheBitmap->Empty()) return true;
  const SIZE size = CacheSize();
  return CacheBitmap->Width() != size.cx || CacheBitmap->Height() != size.cy;
}

TColor TsCommonData::GetBGColor(int State, HWND Window) const {
  if (!Skinned() || CustomColor) {
    if (OwnerControl) return OwnerControl->GetColor();
    if (ProviderForm) return ProviderForm->GetColor();
    return clBtnFace;
  }
  const TsGeneralData& section = *Section();
  const TsGenState& props = section.Props[State > 0 && section.States >= 2 ? 1 : 0];
  if (props.Transparency == 0) return props.Color;
  TColor parentColor;
  if (OwnerControl && OwnerControl->GetParent())
    parentColor = GetControlColor(OwnerControl->GetParent());
  else if (Window && GetParent(Window))
    parentColor = GetControlColor(GetParent(Window));
  else
    parentColor = ColorToRGB(clBtnFace);
  if (props.Transparency >= 100) return parentColor;
  return MixColors(parentColor, ColorToRGB(props.Color), props.Transparency / 100.0);
}

bool TsCommonData::RepaintIfMoved() const {
  if (!Skinned() || (OwnerControl && !OwnerControl->GetVisible())) return true;
  if (StateProps(0)->Transparency > 0 && OwnerControl)
    return SendAMessage(OwnerControl->GetParent(), acmChildBgChanged) != 0;
  return false;
}

TCacheInfo TsCommonData::GetParentCache() const {
  if (Skinned() && OwnerControl && OwnerControl->GetParent()) {
    TacBGInfo info;
    GetBGInfo(info, OwnerControl->GetParent());
    if (info.BgType == btNotReady) {
      TCacheInfo ci;
      ci.FillColor = sFuchsia;
      return ci;
    }
    TCacheInfo ci = BGInfoToCI(info);
    if (ci.Ready) {
      ci.X += OwnerControl->GetLeft();
      ci.Y += OwnerControl->GetTop();
    }
    return ci;
  }
  TCacheInfo ci;
  ci.FillColor = ColorToRGB(GetBGColor(0));
  return ci;
}

TsCommonData* GetCommonData(HWND Window) {
  return reinterpret_cast<TsCommonData*>(SendAMessage(Window, acmGetCommonData));
}

TsCommonData* GetCommonData(TControl* Control) {
  return reinterpret_cast<TsCommonData*>(SendAMessage(Control, acmGetCommonData));
}

TColor GetControlColor(TControl* Control) {
  if (!Control) return sFuchsia;
  if (IsHandledControl(Control))
    return ColorToRGB(static_cast<TColor>(SendAMessage(Control, acmGetBgColor, sFuchsia)));
  return ColorToRGB(Control->GetColor());
}

TColor GetControlColor(HWND Window) {
  if (TWinControl* control = TWinControl::FromHandle(Window)) return GetControlColor(control);
  return ColorToRGB(static_cast<TColor>(SendAMessage(Window, acmGetBgColor, sFuchsia)));
}

void GetBGInfo(TacBGInfo& Info, TControl* Control) {
  Info.BgType = btUnknown;
  SendAMessage(Control, acmGetBgInfo, reinterpret_cast<LPARAM>(&Info));
  if (Info.BgType == btUnknown) {  // not skinned: its own colour
    Info.BgType = btFill;
    Info.Color = ColorToRGB(Control ? Control->GetColor() : clBtnFace);
  }
}

void GetBGInfo(TacBGInfo& Info, HWND Window) {
  if (TWinControl* control = TWinControl::FromHandle(Window)) return GetBGInfo(Info, control);
  Info.BgType = btUnknown;
  SendAMessage(Window, acmGetBgInfo, reinterpret_cast<LPARAM>(&Info));
  if (Info.BgType == btUnknown) {
    Info.BgType = btFill;
    Info.Color = ColorToRGB(clBtnFace);
  }
}

TCacheInfo GetParentCacheHwnd(HWND Window) {
  HWND parent = Window ? GetParent(Window) : nullptr;
  if (!parent) return EmptyCI;
  TacBGInfo info;
  GetBGInfo(info, parent);
  if (info.BgType == btNotReady) return EmptyCI;
  TCacheInfo ci = BGInfoToCI(info);
  if (ci.Ready) {
    RECT rect;
    GetWindowRect(Window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    ci.X += rect.left;
    ci.Y += rect.top;
  }
  return ci;
}

void InvalidateParentCache(const TsCommonData& Data) {
  if (Data.GetUpdating() || !Data.OwnerControl || !Data.OwnerControl->GetParent()) return;
  TWinControl* parent = Data.OwnerControl->GetParent();
  SendAMessage(parent, acmBgChanged, 0, 1);
  SendAMessage(parent, acmPrepareCache);
}

namespace {

// The answer of a fully transparent control: what lies under it in its parent.
void ParentBGInfo(TsCommonData& Data, TacBGInfo& Info, HWND Window) {
  if (Data.OwnerControl && Data.OwnerControl->GetParent()) {
    GetBGInfo(Info, Data.OwnerControl->GetParent());
    Info.Offset.X += Data.OwnerControl->GetLeft();
    Info.Offset.Y += Data.OwnerControl->GetTop();
    return;
  }
  if (HWND parent = Window ? GetParent(Window) : nullptr) {
    GetBGInfo(Info, parent);
    if (Info.BgType == btCache) {
      RECT rect;
      GetWindowRect(Window, &rect);
      MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
      Info.Offset.X += rect.left;
      Info.Offset.Y += rect.top;
    }
    return;
  }
  Info.BgType = btFill;
  Info.Color = Data.GetSkinManager()->Model.GetGlobalColor();
}

void AnswerCache(TsCommonData& Data, TacBGInfo& Info) {
  Info.BgType = btCache;
  Info.Bitmap = Data.CacheBitmap.get();
  if (Info.DrawNow && Info.DrawTarget)
    CopyToDC(*Data.CacheBitmap, Info.Offset, static_cast<HDC>(Info.DrawTarget), Info.DrawRect);
}

bool HasCache(const TsCommonData& Data) { return Data.CacheBitmap && !Data.CacheBitmap->Empty(); }

}  // namespace

void InitBGInfo(TsCommonData& Data, TacBGInfo& Info, int State, HWND Window) {
  if (!Data.Skinned() || Data.CustomColor) {
    Info.BgType = btFill;
    Info.Color = ColorToRGB(Data.GetBGColor(0, Window));
    return;
  }
  const TsGeneralData& section = *Data.Section();
  const TsGenState& props = *Data.StateProps(std::min(State, 1));
  const TsSkinModel& model = Data.GetSkinManager()->Model;
  TControl* owner = Data.ProviderForm ? Data.ProviderForm : Data.OwnerControl;

  if (props.Transparency == 100) {
    if ((Data.SkinState & ssParentDependent) || !Data.CacheBitmap) return ParentBGInfo(Data, Info, Window);
    if (Data.BackgroundChanged) SendAMessage(owner, acmPrepareCache);
    if (!HasCache(Data)) return ParentBGInfo(Data, Info, Window);
    return AnswerCache(Data, Info);
  }
  if (props.Transparency > 0) {
    if (!Data.CacheBitmap) {
      Info.BgType = btFill;
      Info.Color = sFuchsia;
    } else if (Data.CacheBitmap->Empty()) {
      Data.UpdatingMark = true;
      Info.BgType = btNotReady;
    } else {
      AnswerCache(Data, Info);
    }
    return;
  }
  const bool corners = std::any_of(section.CornerImageIndex.begin(), section.CornerImageIndex.end(),
                                   [&](int i) { return model.IsValidImgIndex(i); });
  if (props.ImagePercent == 0 && props.GradientPercent == 0 && !corners && !Data.HaveOuterEffects()) {
    Info.BgType = btFill;
    Info.Color = Data.GetBGColor(State, Window);
    if (model.IsValidImgIndex(Data.BorderMaskIndex) &&
        !HasBit(model.ma[static_cast<std::size_t>(Data.BorderMaskIndex)].PaintMode, 2)) {
      const int i = Data.BorderMaskIndex;
      TsSkinModel& mutableModel = Data.GetSkinManager()->Model;
      Info.FillMargins = {mutableModel.MaskWidthLeft(i), mutableModel.MaskWidthTop(i), mutableModel.MaskWidthRight(i),
                          mutableModel.MaskWidthBottom(i)};
      Info.Bitmap = Data.CacheBitmap.get();
    }
    if (Info.DrawNow && Info.DrawTarget) FillDC(static_cast<HDC>(Info.DrawTarget), Info.DrawRect, Info.Color);
    return;
  }
  Info.Color = model.GetGlobalColor();
  if (Data.CacheIsStale()) {
    Data.BackgroundChanged = true;
    if (Data.CacheBitmap) *Data.CacheBitmap = TBitmap32();
    SendAMessage(owner, acmPrepareCache);
  }
  if (!HasCache(Data)) {
    Info.BgType = btNotReady;
    return;
  }
  AnswerCache(Data, Info);
}

int GetFontIndex(TControl* Control, int DefaultIndex, TsSkinManager* Manager, int State) {
  if (!Control || !Manager) return DefaultIndex;
  for (TWinControl* parent = Control->GetParent(); parent; parent = parent->GetParent()) {
    int index = -1;
    if (TsCommonData* data = GetCommonData(parent); data && data->Skinned())
      index = data->SkinIndex;
    else
      SendAMessage(parent, acmGetSkinIndex, reinterpret_cast<LPARAM>(&index));
    if (!Manager->Model.IsValidSkinIndex(index)) return DefaultIndex;
    const TsGeneralData& section = Manager->Model.gd[static_cast<std::size_t>(index)];
    const int state = std::min(State > 0 ? 1 : 0, std::max(section.States - 1, 0));
    const TsGenState& props = section.Props[static_cast<std::size_t>(state)];
    const bool ownBorder = Manager->Model.IsValidImgIndex(section.BorderMaskIndex) &&
                           HasBit(Manager->Model.ma[static_cast<std::size_t>(section.BorderMaskIndex)].PaintMode, 4);
    if (props.Transparency <= 50 || ownBorder || !parent->GetParent())
      return section.GiveOwnFont ? index : DefaultIndex;
  }
  return DefaultIndex;
}
