#pragma once
// The skin manager's window hook: system dialogs and message boxes made by
// this thread wear the skin. A thread-wide hook of window creation and
// destruction decides for each new dialog window whether it is skinned
// (AddSupportedForm) and keeps one TacProvider per skinned dialog; skin
// removal and new skins reach them through the application's broadcast.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/component.h"
#include "skin/forms/dialog_provider.h"
#include "skin/win/skin_messages.h"

class TsSkinManager;

class TacSkinHook final : public TComponent, private TacBroadcastListener {
 public:
  // Owned by the manager it serves; installs the hook for the calling thread.
  explicit TacSkinHook(TsSkinManager* Manager);
  ~TacSkinHook() override;

  // Skins the window when it is a dialog the rules allow; true when handled.
  bool AddSupportedForm(HWND Window, const CREATESTRUCTW* Create);
  // The providers of dialogs alive (skinned or, after a skin removal, not).
  size_t ProviderCount() const { return FProviders.size(); }
  TacProvider* ProviderOf(HWND Window) const;

 private:
  static LRESULT CALLBACK SkinHookCBT(int Code, WPARAM WParam, LPARAM LParam);
  void SkinBroadcast(TMessage& Message) override;
  // Frees the providers whose dialogs are gone.
  void FreeDestroyed();
  int VisibleSkinnedDialogs() const;

  TsSkinManager* FManager;
  HHOOK FHook = nullptr;
  TacSkinHook* FOuter = nullptr;
  std::vector<std::unique_ptr<TacProvider>> FProviders;
};
