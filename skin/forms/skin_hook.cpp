#include "skin/forms/skin_hook.h"

#include <algorithm>

#include "framework/application.h"
#include "skin/forms/ctrl_adapter.h"
#include "skin/forms/skin_provider.h"
#include "skin/win/skin_manager.h"

namespace {

thread_local TacSkinHook* tHook = nullptr;

constexpr ATOM kDialogAtom = 32770;
constexpr unsigned kEngineTag = 256;  // the engine's own windows and forms

bool IsDialogClass(const CREATESTRUCTW* create, HWND window) {
  if (create && IS_INTRESOURCE(create->lpszClass)) return LOWORD(reinterpret_cast<ULONG_PTR>(create->lpszClass)) == kDialogAtom;
  wchar_t name[16] = {};
  if (create && create->lpszClass) lstrcpynW(name, create->lpszClass, 16);
  else GetClassNameW(window, name, 16);
  return lstrcmpW(name, L"#32770") == 0;
}

}  // namespace

TacSkinHook::TacSkinHook(TsSkinManager* Manager) : TComponent(Manager), FManager(Manager), FOuter(tHook) {
  FHook = SetWindowsHookExW(WH_CBT, SkinHookCBT, nullptr, GetCurrentThreadId());
  tHook = this;
  BroadcastListeners().Add(this);
}

TacSkinHook::~TacSkinHook() {
  BroadcastListeners().Remove(this);
  if (tHook == this) tHook = FOuter;
  if (FHook) UnhookWindowsHookEx(FHook);
  FProviders.clear();
}

TacProvider* TacSkinHook::ProviderOf(HWND Window) const {
  for (const auto& provider : FProviders)
    if (provider->Window() == Window) return provider.get();
  return nullptr;
}

int TacSkinHook::VisibleSkinnedDialogs() const {
  return static_cast<int>(std::count_if(FProviders.begin(), FProviders.end(), [](const auto& provider) {
    return provider->Skinned() && IsWindowVisible(provider->Window());
  }));
}

void TacSkinHook::FreeDestroyed() {
  std::erase_if(FProviders, [](const auto& provider) { return provider->Destroyed(); });
}

bool TacSkinHook::AddSupportedForm(HWND Window, const CREATESTRUCTW* Create) {
  if (!FManager || !FManager->GetActive() || !FManager->SkinLoaded() || IsDestroying()) return false;
  if (GetPropW(Window, kAdapterProperty) || ProviderOf(Window)) return false;
  const LONG style = Create ? Create->style : static_cast<LONG>(GetWindowLongPtrW(Window, GWL_STYLE));
  if ((style & WS_POPUP) && !(style & WS_BORDER)) return false;
  // A framework form is skinned once it is whole, when it comes forward.
  if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(Window))) return !Create && AddFrameworkForm(form);
  return IsDialogClass(Create, Window) && AddDialog(Window, Create);
}

bool TacSkinHook::AddFrameworkForm(TForm* Form) {
  // The engine's own forms, forms still loading or skinned already and
  // forms left out by name keep their look.
  if ((Form->GetTag() & kEngineTag) || Form->IsLoading() || !Form->HandleAllocated() || IsHandledControl(Form))
    return false;
  const std::string name = ControlClassName(*Form);
  const auto& skipped = FManager->ThirdPartySkipForms;
  if (std::find(skipped.begin(), skipped.end(), name) != skipped.end()) return false;
  const unsigned rule = name == "TMessageForm" ? srStdDialogs : srStdForms;
  if (!(FManager->SkinningRules & rule)) return false;
  auto* provider = new TsSkinProvider(Form);  // owned by the form
  provider->UseGlobalColor = false;
  HWND window = Form->GetHandle();
  UpdateWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}

bool TacSkinHook::AddDialog(HWND Window, const CREATESTRUCTW* Create) {
  if (!(FManager->SkinningRules & srStdDialogs)) return false;
  // A dialog of its own, or one owned by a skinned window; a dialog owned by
  // anything else (the application's hidden window) keeps the system look.
  HWND owner = Create ? Create->hwndParent : GetWindow(Window, GW_OWNER);
  if (owner && !GetBoolMsg(owner, acmIsHandled)) return false;
  if (VisibleSkinnedDialogs() > FManager->DialogsLevel - 1) return false;
  bool allow = true;
  if (FManager->OnSysDlgInit) FManager->OnSysDlgInit(Window, allow);
  if (!allow) return false;
  auto provider = std::make_unique<TacProvider>(Window, FManager);
  if (!provider->InitSkin()) return false;
  FProviders.push_back(std::move(provider));
  return true;
}

void TacSkinHook::SkinBroadcast(TMessage& Message) {
  if (Message.Msg != SM_ALPHACMD || reinterpret_cast<TsSkinManager*>(Message.LParam) != FManager) return;
  FreeDestroyed();
  switch (AcmCode(Message.WParam)) {
    case acmRemoveSkin:
      for (auto& provider : FProviders) provider->Unskin();
      break;
    case acmNewSkin:
      for (auto& provider : FProviders)
        if (!provider->Skinned()) provider->InitSkin();
      break;
    default: break;
  }
}

LRESULT CALLBACK TacSkinHook::SkinHookCBT(int Code, WPARAM WParam, LPARAM LParam) {
  // The next hook's answer is the answer: the hook never blocks a window.
  const LRESULT result = CallNextHookEx(nullptr, Code, WParam, LParam);
  TacSkinHook* self = tHook;
  if (!self || self->IsDestroying() || (Application && Application->IsDestroying())) return result;
  switch (Code) {
    case HCBT_CREATEWND: {
      self->FreeDestroyed();
      const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(LParam)->lpcs;
      if (create && !(create->style & WS_CHILD)) self->AddSupportedForm(reinterpret_cast<HWND>(WParam), create);
      break;
    }
    case HCBT_ACTIVATE: {
      // Windows made before the hook, or not whole when made, once they come forward.
      HWND window = reinterpret_cast<HWND>(WParam);
      if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && !GetBoolMsg(window, acmIsHandled))
        self->AddSupportedForm(window, nullptr);
      break;
    }
    case HCBT_DESTROYWND: self->FreeDestroyed(); break;
    default: break;
  }
  return result;
}
