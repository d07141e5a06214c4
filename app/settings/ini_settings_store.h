// Account settings in a section of an INI file ("config.ini").
#pragma once

#include <memory>
#include <string>

#include "app/logic/account_settings.h"

namespace lanque {

// A text key of an INI file; Absent when the file, section or key is missing.
// Key names compare without regard to case.
StoredValue ReadIniValue(const std::wstring& path, const std::wstring& section, std::string_view name);

class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore(std::wstring path, std::wstring section)
      : path_(std::move(path)), section_(std::move(section)) {}

  // Opens when the file can be written (or created): its folder is created if
  // missing, the file itself only when the first value is written.
  std::unique_ptr<SettingsSection> Open() override;

  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
  std::wstring section_;
};

}  // namespace lanque
