#include "app/logic/account_settings.h"

namespace lanque {
namespace {

// Reads one value into `field`; false when it is not text.
bool ReadInto(SettingsSection& section, std::string_view name, std::string_view fallback,
              std::string& field) {
  StoredValue value = section.Read(name);
  switch (value.kind) {
    case StoredKind::Absent: field = fallback; return true;
    case StoredKind::Text: field = std::move(value.text); return true;
    case StoredKind::NotText: return false;
  }
  return false;
}

}  // namespace

bool LoadAccount(const SettingsStores& stores, AccountValues& values) {
  for (SettingsStore* store : stores) {
    auto section = store->Open();
    if (!section) continue;
    return ReadInto(*section, "UserID", "", values.userId) &&
           ReadInto(*section, "Password", "", values.passwordDigest) &&
           ReadInto(*section, "AutoRun", "0", values.autoRun);
  }
  return true;
}

bool SaveAccount(const SettingsStores& stores, const AccountValues& values) {
  for (SettingsStore* store : stores) {
    auto section = store->Open();
    if (section && section->Write("UserId", values.userId) &&
        section->Write("Password", values.passwordDigest) &&
        section->Write("AutoRun", values.autoRun)) {
      return true;
    }
  }
  return false;
}

}  // namespace lanque
