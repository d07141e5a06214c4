#pragma once
// A skin manager wearing the internal skin, the one the login window stores,
// for tests of skinned windows.
#include "skin/win/skin_manager.h"
#include "skins/internal_skin.h"

inline constexpr char kInternalSkinName[] = "Lanque";

inline TsSkinManager* NewInternalSkinManager(TComponent* Owner) {
  auto* manager = new TsSkinManager(Owner);
  manager->BeginLoading();
  const auto package = InternalSkinPackage();
  manager->InternalSkins.Add({kInternalSkinName, {package.begin(), package.end()}});
  manager->SetSkinName(kInternalSkinName);
  manager->Loaded();
  return manager;
}
