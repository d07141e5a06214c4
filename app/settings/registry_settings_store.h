// Account settings in a registry key, e.g. "Software\lanque" below
// HKEY_LOCAL_MACHINE. The 32-bit view is used, where the earlier (32-bit)
// client kept its values, so existing settings keep working.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/logic/account_settings.h"

namespace lanque {

class RegistrySettingsStore : public SettingsStore {
 public:
  RegistrySettingsStore(HKEY root, std::wstring subKey) : root_(root), subKey_(std::move(subKey)) {}

  // Opens the key for reading and writing, creating it if missing.
  std::unique_ptr<SettingsSection> Open() override;

 private:
  HKEY root_;
  std::wstring subKey_;
};

}  // namespace lanque
