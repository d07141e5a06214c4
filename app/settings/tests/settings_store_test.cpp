#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/settings/ini_settings_store.h"
#include "app/settings/registry_settings_store.h"
#include "tests/support/scratch_dir.h"

namespace lanque {
namespace {

const std::string kChineseName = "\xE5\xBC\xA0\xE4\xB8\x89";  // 张三 in UTF-8

// A registry key and a folder of its own for each test, removed afterwards.
class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring unique = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
    keyPath_ = L"Software\\lanque-settings-test-" + unique;
    folder_ = scratch_.Path().wstring();
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, keyPath_.c_str());
  }

  bool KeyExists() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  std::wstring keyPath_;
  TScratchDir scratch_;
  std::wstring folder_;
};

void ExpectText(SettingsSection& section, std::string_view name, const std::string& text) {
  const StoredValue value = section.Read(name);
  EXPECT_EQ(value.kind, StoredKind::Text) << name;
  EXPECT_EQ(value.text, text) << name;
}

TEST_F(SettingsStoreTest, RegistryKeyIsCreatedAndValuesRoundTrip) {
  RegistrySettingsStore store(HKEY_CURRENT_USER, keyPath_);
  {
    auto section = store.Open();
    ASSERT_TRUE(section);
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(section->Read("UserId").kind, StoredKind::Absent);
    EXPECT_TRUE(section->Write("UserId", kChineseName));
    EXPECT_TRUE(section->Write("Password", ""));
    EXPECT_TRUE(section->Write("AutoRun", "1"));
  }
  auto section = store.Open();
  ASSERT_TRUE(section);
  ExpectText(*section, "USERID", kChineseName);
  ExpectText(*section, "userid", kChineseName);
  ExpectText(*section, "Password", "");
  ExpectText(*section, "AutoRun", "1");
}

TEST_F(SettingsStoreTest, RegistryValueThatIsNotTextReadsAsSuch) {
  RegistrySettingsStore store(HKEY_CURRENT_USER, keyPath_);
  auto section = store.Open();
  ASSERT_TRUE(section);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  const DWORD number = 1;
  RegSetValueExW(key, L"AutoRun", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(section->Read("autorun").kind, StoredKind::NotText);
}

// A root that cannot be used: the store cannot open or create its key below it.
const HKEY kUnusableRoot = reinterpret_cast<HKEY>(0x7777);

TEST_F(SettingsStoreTest, RegistryKeyThatCannotBeOpenedGivesNoSection) {
  EXPECT_FALSE(RegistrySettingsStore(kUnusableRoot, L"Software\\lanque").Open());
}

TEST_F(SettingsStoreTest, IniValuesRoundTripAndTheFileAppearsOnlyWhenWritten) {
  const std::wstring path = folder_ + L"\\config.ini";
  IniSettingsStore store(path, L"ACCOUNT");
  auto section = store.Open();
  ASSERT_TRUE(section);
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(section->Read("UserId").kind, StoredKind::Absent);
  EXPECT_TRUE(section->Write("UserId", kChineseName));
  EXPECT_TRUE(section->Write("Password", ""));
  EXPECT_TRUE(section->Write("AutoRun", "0"));
  EXPECT_TRUE(FileExists(path));
  ExpectText(*section, "UserID", kChineseName);
  ExpectText(*section, "password", "");  // present though empty
  ExpectText(*section, "AutoRun", "0");
  EXPECT_EQ(ReadIniValue(path, L"OTHER", "UserId").kind, StoredKind::Absent);
}

TEST_F(SettingsStoreTest, IniReadsKeysInAnyCaseAndLongValues) {
  const std::wstring path = folder_ + L"\\config.ini";
  const std::string longValue(1000, 'x');
  const std::string file = "[service]\r\nbaseurl=http://h:1\r\n[ACCOUNT]\r\nUSERID=" + longValue + "\r\n";
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  DWORD written;
  WriteFile(handle, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
  CloseHandle(handle);
  const StoredValue base = ReadIniValue(path, L"SERVICE", "BaseUrl");
  EXPECT_EQ(base.kind, StoredKind::Text);
  EXPECT_EQ(base.text, "http://h:1");
  EXPECT_EQ(ReadIniValue(path, L"ACCOUNT", "UserId").text, longValue);
}

TEST_F(SettingsStoreTest, IniInAFolderThatCannotBeMadeGivesNoSection) {
  EXPECT_FALSE(IniSettingsStore(folder_ + L"\\missing\\deeper\\config.ini", L"ACCOUNT").Open());
  EXPECT_FALSE(IniSettingsStore(L"", L"ACCOUNT").Open());
  // A missing last folder is created.
  EXPECT_TRUE(IniSettingsStore(folder_ + L"\\user\\config.ini", L"ACCOUNT").Open());
}

TEST_F(SettingsStoreTest, AccountFallsBackInOrderAndIsReadFromWhereItWasWritten) {
  RegistrySettingsStore machine(kUnusableRoot, L"Software\\lanque");
  IniSettingsStore besideProgram(folder_ + L"\\missing\\deeper\\config.ini", L"ACCOUNT");
  IniSettingsStore perUser(folder_ + L"\\user\\config.ini", L"ACCOUNT");
  const SettingsStores stores{&machine, &besideProgram, &perUser};

  ASSERT_TRUE(SaveAccount(stores, {"10001", "a9ceb0adeaad3ed81c036d64db946933", "1"}));
  AccountValues loaded;
  ASSERT_TRUE(LoadAccount(stores, loaded));
  EXPECT_EQ(loaded.userId, "10001");
  EXPECT_EQ(loaded.passwordDigest, "a9ceb0adeaad3ed81c036d64db946933");
  EXPECT_EQ(loaded.autoRun, "1");
  EXPECT_EQ(ReadIniValue(folder_ + L"\\user\\config.ini", L"ACCOUNT", "UserId").text, "10001");

  // With the key usable again, it is used alone: nothing is merged from the file.
  RegistrySettingsStore writable(HKEY_CURRENT_USER, keyPath_);
  AccountValues fromKey;
  ASSERT_TRUE(LoadAccount({&writable, &perUser}, fromKey));
  EXPECT_EQ(fromKey.userId, "");
  EXPECT_EQ(fromKey.autoRun, "0");
}

}  // namespace
}  // namespace lanque
