#pragma once
// The skin manager's window hook: system dialogs and message boxes made by
// this thread wear the skin, and so do framework forms made without a skin
// provider. A thread-wide hook of window creation, activation and
// destruction decides for each new top-level window whether it is skinned
// (AddSupportedForm): a dialog gets a TacProvider kept here, a framework
// form a TsSkinProvider of its own (freed with it); skin removal and new
// skins reach them through the application's broadcast.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/component.h"
#include "framework/form.h"
#include "skin/forms/dialog_provider.h"
#include "skin/win/skin_messages.h"

class TsSkinManager;

class TacSkinHook final : public TComponent, private TacBroadcastListener {
 public:
  // Owned by the manager it serves; installs the hook for the calling thread.
  explicit TacSkinHook(TsSkinManager* Manager);
  ~TacSkinHook() override;

  // Skins the window when it is a dialog or framework form the rules allow;
  // true when handled. Create: the creation record, while the window is made.
  bool AddSupportedForm(HWND Window, const CREATESTRUCTW* Create);
  // The providers of dialogs alive (skinned or, after a skin removal, not).
  size_t ProviderCount() const { return FProviders.size(); }
  TacProvider* ProviderOf(HWND Window) const;

 private:
  static LRESULT CALLBACK SkinHookCBT(int Code, WPARAM WParam, LPARAM LParam);
  void SkinBroadcast(TMessage& Message) override;
  // Frees the providers whose dialogs are gone.
  void FreeDestroyed();
  bool AddDialog(HWND Window, const CREATESTRUCTW* Create);
  bool AddFrameworkForm(TForm* Form);
  int VisibleSkinnedDialogs() const;

  TsSkinManager* FManager;
  HHOOK FHook = nullptr;
  TacSkinHook* FOuter = nullptr;
  std::vector<std::unique_ptr<TacProvider>> FProviders;
};
