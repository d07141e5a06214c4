#include <gtest/gtest.h>

#include "app/logic/account_settings.h"
#include "app/logic/tests/fakes.h"

namespace lanque {
namespace {

using testing::FakeSettingsStore;

class AccountSettingsTest : public ::testing::Test {
 protected:
  FakeSettingsStore machine, besideProgram, perUser;
  SettingsStores stores{&machine, &besideProgram, &perUser};
};

TEST_F(AccountSettingsTest, LoadsFromTheFirstStoreThatOpensAndNeverMerges) {
  besideProgram.Put("UserId", "file-user");
  besideProgram.Put("AutoRun", "1");
  machine.Put("userid", "10001");  // any letter case is the same value
  AccountValues values;
  ASSERT_TRUE(LoadAccount(stores, values));
  EXPECT_EQ(values.userId, "10001");
  EXPECT_EQ(values.passwordDigest, "");
  EXPECT_EQ(values.autoRun, "0");  // the file's "1" is not merged in
  EXPECT_EQ(besideProgram.opens, 0);

  machine.canOpen = false;
  ASSERT_TRUE(LoadAccount(stores, values));
  EXPECT_EQ(values.userId, "file-user");
  EXPECT_EQ(values.autoRun, "1");
  EXPECT_EQ(perUser.opens, 0);
}

TEST_F(AccountSettingsTest, ValueThatIsNotTextEndsTheLoadingThere) {
  machine.Put("UserId", "10001");
  machine.PutNotText("Password");
  machine.Put("AutoRun", "1");
  AccountValues values{"old", "olddigest", "old"};
  EXPECT_FALSE(LoadAccount(stores, values));
  EXPECT_EQ(values.userId, "10001");
  EXPECT_EQ(values.passwordDigest, "olddigest");
  EXPECT_EQ(values.autoRun, "old");
}

TEST_F(AccountSettingsTest, NoStoreOpeningLeavesTheValuesAsTheyWere) {
  machine.canOpen = besideProgram.canOpen = perUser.canOpen = false;
  AccountValues values{"u", "d", "1"};
  EXPECT_TRUE(LoadAccount(stores, values));
  EXPECT_EQ(values.userId, "u");
  EXPECT_FALSE(SaveAccount(stores, {"a", "b", "0"}));
}

TEST_F(AccountSettingsTest, SavesIntoTheFirstStoreThatTakesTheWrites) {
  ASSERT_TRUE(SaveAccount(stores, {"10001", "abc", "1"}));
  EXPECT_EQ(machine.Get("USERID"), "10001");
  EXPECT_EQ(machine.values.at("userid").name, "UserId");
  EXPECT_EQ(machine.Get("Password"), "abc");
  EXPECT_EQ(machine.Get("AutoRun"), "1");
  EXPECT_TRUE(besideProgram.values.empty());

  // A standard user: the key cannot be opened and the program folder is read-only.
  machine.canOpen = false;
  besideProgram.canWrite = false;
  ASSERT_TRUE(SaveAccount(stores, {"20002", "", "0"}));
  EXPECT_EQ(perUser.Get("UserId"), "20002");
  EXPECT_EQ(perUser.Get("AutoRun"), "0");
  EXPECT_EQ(machine.Get("UserId"), "10001");
}

}  // namespace
}  // namespace lanque
