// The remembered account over abstract settings stores.
//
// Stores are tried in a fixed order (the machine-wide key, config.ini beside
// the program, a per-user config.ini); load and save both use the first one
// that can be opened, so the stores are alternatives and never merged. A save
// whose writes fail moves on to the next store rather than losing the values.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lanque {

enum class StoredKind { Absent, Text, NotText };

struct StoredValue {
  StoredKind kind = StoredKind::Absent;
  std::string text;  // UTF-8, when kind is Text
};

// An opened key or file section; closed when destroyed. Value names compare
// without regard to letter case.
class SettingsSection {
 public:
  virtual ~SettingsSection() = default;
  virtual StoredValue Read(std::string_view name) = 0;
  virtual bool Write(std::string_view name, std::string_view text) = 0;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens the section, creating it if missing; null when it cannot be opened
  // or created for reading and writing.
  virtual std::unique_ptr<SettingsSection> Open() = 0;
};

using SettingsStores = std::vector<SettingsStore*>;  // in order of preference

struct AccountValues {
  std::string userId;
  std::string passwordDigest;
  std::string autoRun = "0";
};

// Reads "UserId" (tested as "UserID"), "Password" and "AutoRun" from the first
// store that opens into `values`, absent ones taking their defaults (empty,
// empty, "0"). A value that is not text ends the reading there: the fields read
// so far are kept and false is returned. No store opening leaves `values` as is.
bool LoadAccount(const SettingsStores& stores, AccountValues& values);

// Writes "UserId", "Password" and "AutoRun" in this order into the first store
// that opens and takes all three writes; false when no store did.
bool SaveAccount(const SettingsStores& stores, const AccountValues& values);

}  // namespace lanque
