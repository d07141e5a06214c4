// The message handling every skinned control, adapter and provider shares.
#include <algorithm>
#include <cctype>

#include "skin/data/binding/control_kinds.h"
#include "skin/win/accessible.h"
#include "skin/win/common_data.h"
#include "skin/win/glow_effects.h"
#include "skin/win/outer_effects_win.h"
#include "skin/win/skin_manager.h"

namespace {

TWinControl* OwnerWindow(const TsCommonData& data) {
  return data.ProviderForm ? data.ProviderForm : dynamic_cast<TWinControl*>(data.OwnerControl);
}

TControl* OwnerTarget(const TsCommonData& data) { return data.ProviderForm ? data.ProviderForm : data.OwnerControl; }

bool BoundTo(const TsCommonData& data, LPARAM manager) {
  return reinterpret_cast<TsSkinManager*>(manager) == data.GetSkinManager();
}

// Every child not being destroyed gets the command: a send to a windowed
// child with a shown window, a direct dispatch to any other.
void SendToChildren(TWinControl* window, int code, int argument = 0) {
  if (!window) return;
  for (int i = 0; i < window->GetControlCount(); ++i) {
    TControl* child = window->GetControl(i);
    if (child->IsDestroying()) continue;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed && windowed->HandleAllocated()) {
      if (IsWindowVisible(windowed->GetHandle())) SendAMessage(windowed->GetHandle(), code, 0, argument);
    } else {
      child->Perform(SM_ALPHACMD, MakeAcmWParam(code, argument), 0);
    }
  }
}

void RedrawAll(HWND window, UINT extra) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | extra);
}

bool Moved(const TsCommonData& data) {
  return data.OwnerControl &&
         (data.CachedAt.X != data.OwnerControl->GetLeft() || data.CachedAt.Y != data.OwnerControl->GetTop());
}

void RemoveSkin(TsCommonData& data, LPARAM manager) {
  auto* sender = reinterpret_cast<TsSkinManager*>(manager);
  if (sender && sender->IsDestroying() && data.GetSkinManager() == sender) data.SetSkinManager(nullptr);
  data.SkinIndex = data.BorderMaskIndex = data.TextureIndex = data.HotTextureIndex = -1;
  data.UpdatingMark = true;
  data.ReleaseCache();
  TControl* owner = data.OwnerControl;
  if (!owner) return;
  if (IsEditCtrl(data.ControlKind)) {
    if (!data.CustomColor) owner->SetColor(clWindow);
    if (!data.CustomFont) owner->GetFont().SetColor(clWindowText);
    if (TWinControl* window = OwnerWindow(data); window && window->HandleAllocated())
      SetWindowPos(window->GetHandle(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (TWinControl* window = OwnerWindow(data)) {
    for (int i = 0; i < window->GetControlCount(); ++i)
      if (!dynamic_cast<TWinControl*>(window->GetControl(i))) window->GetControl(i)->GetFont().SetColor(clWindowText);
  }
}

void QueryUpdating(TsCommonData& data, TMessage& message) {
  if (data.UpdatingMark) {
    message.Result = 1;
    return;
  }
  if (!data.IsCached() || data.CustomColor) return;
  TWinControl* window = OwnerWindow(data);
  if (!window || !data.OwnerControl) return;
  if (!data.CacheBitmap || data.CacheBitmap->Empty()) {
    SendAMessage(data.OwnerControl, acmPrepareCache);
    message.Result = !data.CacheBitmap || data.CacheBitmap->Empty() ? 1 : 0;
    return;
  }
  message.Result = data.CacheBitmap->Width() != data.OwnerControl->GetWidth() ||
                   data.CacheBitmap->Height() != data.OwnerControl->GetHeight();
}

void RepaintIfMovedCommand(TsCommonData& data, int argument) {
  const bool moved = Moved(data);
  if (moved) data.BackgroundChanged = true;
  TWinControl* window = OwnerWindow(data);
  if (argument == 1 && window && window->HandleAllocated()) RedrawAll(window->GetHandle(), RDW_UPDATENOW);
  if (moved && window)
    for (int i = 0; i < window->GetControlCount(); ++i)
      if (!window->GetControl(i)->IsDestroying()) SendAMessage(window->GetControl(i), acmRepaintIfMoved, 0, argument);
}

// Hover: the control under the mouse becomes the manager's active one and
// repaints when an edit-like multi-state section shows it.
void MouseHover(TsCommonData& data, bool entered) {
  TsSkinManager* manager = data.GetSkinManager();
  if (!data.Skinned() || !manager || manager->Options.NoMouseHover) return;
  data.MouseAbove = entered && !IsForbidMouse(data.ControlKind);
  TWinControl* window = OwnerWindow(data);
  if (entered && window && window->HandleAllocated())
    manager->SetActiveControl(window->GetHandle());
  else if (!entered && window && window->HandleAllocated() && manager->GetActiveControl() == window->GetHandle())
    manager->SetActiveControl(nullptr);
  const TsGeneralData* section = data.Section();
  if (IsEditCtrl(data.ControlKind) && section && section->States > 1) {
    data.BackgroundChanged = true;
    data.Invalidate();
  }
}

}  // namespace

bool CommonMessage(TMessage& Message, TsCommonData* Data) {
  if (!Data || Message.Msg != SM_ALPHACMD) return false;
  TsCommonData& data = *Data;
  const int argument = AcmArgument(Message.WParam);
  switch (AcmCode(Message.WParam)) {
    case acmNewSkin:
      if (BoundTo(data, Message.LParam)) {
        data.UpdateIndexes();
        if (data.CacheBitmap) *data.CacheBitmap = TBitmap32();
        data.UpdateSkinState();
        UpdateOuterEffect(data);
      }
      return true;
    case acmRemoveSkin:
      if (BoundTo(data, Message.LParam)) RemoveSkin(data, Message.LParam);
      HideGlow(data.OuterHandle);
      return true;
    case acmRefresh:
      if (BoundTo(data, Message.LParam)) {
        data.BackgroundChanged = true;
        data.UpdatingMark = false;
        data.UpdateControlColors(false);
        data.UpdateSkinState();
      }
      return true;
    case acmParentUpdated:
      if (data.UpdatingMark) {
        TWinControl* window = OwnerWindow(data);
        if (window && window->HandleAllocated() && !data.InUpdating(true))
          RedrawAll(window->GetHandle(), RDW_ERASE | RDW_UPDATENOW);
        SendToChildren(window, acmParentUpdated);
      }
      return true;
    case acmIsHandled: Message.Result = 1; return true;
    case acmSetUpdating: data.UpdatingMark = argument == 1; return true;
    case acmQueryUpdating: QueryUpdating(data, Message); return true;
    case acmGetMarked: Message.Result = data.Marked; return true;
    case acmSetMarked: data.Marked = true; return true;
    case acmUpdateSection: {
      const char* name = reinterpret_cast<const char*>(Message.LParam);
      if (name && data.GetSkinSection() == name) data.Invalidate();
      return true;
    }
    case acmSetSection: {
      const auto* info = reinterpret_cast<const TacSectionInfo*>(Message.LParam);
      if (info) data.SetSkinSection(info->Name);
      Message.Result = info ? 1 : 0;
      return true;
    }
    case acmBgChanged: data.BackgroundChanged = true; return true;
    case acmInvalidate: data.Invalidate(); return true;
    case acmChildBgChanged: Message.Result = data.ChildBgIsChanged(); return true;
    case acmRepaintIfMoved: RepaintIfMovedCommand(data, argument); return true;
    case acmGetBgColor:
      Message.Result = static_cast<LRESULT>(
          ColorToRGB(data.GetBGColor(0, OwnerWindow(data) ? OwnerWindow(data)->GetHandle() : nullptr)));
      return true;
    case acmPrepareCache:
      data.BackgroundChanged = false;
      if (data.OwnerControl) data.CachedAt = {data.OwnerControl->GetLeft(), data.OwnerControl->GetTop()};
      return true;
    case acmGetSkinIndex:
      if (auto* index = reinterpret_cast<int*>(Message.LParam)) *index = data.SkinIndex;
      return true;
    case acmClearCache:
      if (TWinControl* window = OwnerWindow(data))
        for (int i = 0; i < window->GetControlCount(); ++i)
          if (auto* child = dynamic_cast<TWinControl*>(window->GetControl(i)); child && child->HandleAllocated())
            SendAMessage(child->GetHandle(), acmClearCache);
      data.ReleaseCache();
      data.BackgroundChanged = true;
      return true;
    case acmGetBgInfo:
      if (auto* info = reinterpret_cast<TacBGInfo*>(Message.LParam)) {
        TWinControl* window = OwnerWindow(data);
        InitBGInfo(data, *info, data.ControlIsActive() ? 1 : 0,
                   window && window->HandleAllocated() ? window->GetHandle() : nullptr);
      }
      return true;
    case acmSkinState:
      if (Message.LParam == 1 || (data.SkinState & 3) == ssRecompute) data.UpdateSkinState(Message.LParam == 1);
      Message.Result = static_cast<LRESULT>(data.SkinState);
      return true;
    case acmGetCommonData: Message.Result = reinterpret_cast<LRESULT>(&data); return true;
    case acmSetScrollOwner:
      if (Message.LParam)
        data.SkinState |= ssScrollOwner;
      else
        data.SkinState &= ~ssScrollOwner;
      data.ScrollOwner = reinterpret_cast<void*>(Message.LParam);
      return true;
    case acmPaintOuter: UpdateOuterEffect(data); return true;
    case acmFrameChanged:
      if (TWinControl* window = OwnerWindow(data); window && window->HandleAllocated()) {
        SetWindowPos(window->GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        TMessage changed = MakeAcm(acmFrameChanged);
        AlphaBroadCast(window, changed);
      }
      return true;
    case acmGetApplication: Message.Result = reinterpret_cast<LRESULT>(Application); return true;
    case acmGetBounds:
      if (auto* rect = reinterpret_cast<RECT*>(Message.LParam))
        *rect = data.OwnerControl ? data.OwnerControl->GetBoundsRect() : RECT{};
      return true;
    default: return false;
  }
}

bool CommonWndProc(TMessage& Message, TsCommonData* Data) {
  if (!Data) return false;
  TsCommonData& data = *Data;
  switch (Message.Msg) {
    case SM_ALPHACMD: return CommonMessage(Message, Data);
    case WM_WINDOWPOSCHANGED: UpdateOuterEffect(data); return false;
    case WM_DESTROY: HideGlow(data.OuterHandle); return false;
    case WM_MOVE:
      if (data.HaveOuterEffects()) InvalidateParentCache(data);
      if (data.RepaintIfMoved()) {
        data.BackgroundChanged = true;
        SendAMessage(OwnerTarget(data), acmRepaintIfMoved, 0, 1);
      }
      return false;
    case WM_SIZE:
      if (!data.Skinned()) return false;
      data.BackgroundChanged = true;
      if (data.HaveOuterEffects()) InvalidateParentCache(data);
      if (TWinControl* window = OwnerWindow(data); window && data.StateProps(0)->GradientPercent > 0)
        for (int i = 0; i < window->GetControlCount(); ++i)
          if (!window->GetControl(i)->IsDestroying()) SendAMessage(window->GetControl(i), acmRepaintIfMoved, 0, 1);
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      TWinControl* window = OwnerWindow(data);
      if (!window || !window->GetEnabled()) return false;
      data.BackgroundChanged = true;
      data.Focused = Message.Msg == WM_SETFOCUS;
      const TsGeneralData* section = data.Section();
      if (IsEditCtrl(data.ControlKind) && section && section->States > 1) data.Invalidate();
      return false;
    }
    case WM_GETOBJECT: {
      // Screen readers learn name, role and state from the window itself.
      TWinControl* window = data.ProviderForm ? nullptr : OwnerWindow(data);
      HWND handle = window && window->HandleAllocated() ? window->GetHandle() : data.AdaptedWindow;
      return handle && AnswerGetObject(handle, Message.WParam, Message.LParam, data.AccessibleName, Message.Result);
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: MouseHover(data, Message.Msg == CM_MOUSEENTER); return false;
    case WM_NCDESTROY: {
      // The window goes: the manager's hover state must not keep its handle.
      data.MouseAbove = false;
      TsSkinManager* manager = data.GetSkinManager();
      TWinControl* window = OwnerWindow(data);
      if (manager && window && window->HandleAllocated() && manager->GetActiveControl() == window->GetHandle())
        manager->SetActiveControl(nullptr);
      return false;
    }
    case WM_ENABLE:
    case WM_CANCELMODE:
      data.MouseAbove = false;
      data.Focused = false;
      return false;
    case WM_SHOWWINDOW: {
      TsSkinManager* manager = data.GetSkinManager();
      if (!Message.WParam && manager && manager->Options.OptimizingPriority == opMemory) {
        data.ReleaseCache();
        if (TWinControl* window = OwnerWindow(data)) {
          TMessage clear = MakeAcm(acmClearCache);
          AlphaBroadCast(window, clear);
        }
      }
      data.BackgroundChanged = true;
      return false;
    }
    case WM_PARENTNOTIFY:
      if (LOWORD(Message.WParam) == WM_CREATE && data.OwnerControl) {
        TWinControl* form = data.OwnerControl->GetParent();
        while (form && form->GetParent()) form = form->GetParent();
        if (TWinControl* child = TWinControl::FromHandle(reinterpret_cast<HWND>(Message.LParam)))
          SendAMessage(form ? form : OwnerWindow(data), acmAddToAdapter, reinterpret_cast<LPARAM>(child));
      }
      return false;
    default: return false;
  }
}
