#include "app/settings/registry_settings_store.h"

#include "base/win_handles.h"
#include "framework/text.h"

namespace lanque {
namespace {

class RegistrySection : public SettingsSection {
 public:
  explicit RegistrySection(HKEY key) : key_(key) {}

  // Value names compare without regard to case in the registry itself.
  StoredValue Read(std::string_view name) override {
    const std::wstring wideName = WideFromUtf8(name);
    DWORD type = 0, size = 0;
    LSTATUS status = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return {};
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return {StoredKind::NotText, {}};
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(text.data()), &size);
    if (status != ERROR_SUCCESS) return {StoredKind::NotText, {}};
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return {StoredKind::Text, Utf8FromWide(text)};
  }

  bool Write(std::string_view name, std::string_view text) override {
    const std::wstring wideText = WideFromUtf8(text);
    const auto bytes = static_cast<DWORD>((wideText.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.Get(), WideFromUtf8(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wideText.c_str()), bytes) == ERROR_SUCCESS;
  }

 private:
  TOwnedRegistryKey key_;
};

}  // namespace

std::unique_ptr<SettingsSection> RegistrySettingsStore::Open() {
  HKEY key = nullptr;
  const REGSAM access = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_WOW64_32KEY;
  if (RegCreateKeyExW(root_, subKey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<RegistrySection>(key);
}

}  // namespace lanque
