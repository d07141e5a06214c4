#include <gtest/gtest.h>

#include <fstream>

#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_folder.h"
#include "skin/data/stored_skins.h"
#include "skin/data/tests/packed_test_util.h"
#include "skin/data/utf8_paths.h"

namespace {

void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

std::vector<std::string> NamesIn(const std::filesystem::path& packed) {
  std::vector<std::string> names;
  for (const TPackedEntry& e : ReadPackedEntries(ReadFileBytes(packed))) names.push_back(e.Name);
  return names;
}

std::string UnpackError(const std::filesystem::path& file, const std::filesystem::path& dir) {
  try {
    UnpackSkinFile(file, dir);
  } catch (const EPackedSkinError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(SkinFolder, PackDirWritesOptionsThenBitmapsThenPngThenJpeg) {
  TScratchDir dir;
  const auto skin = dir.Path() / "skin";
  std::filesystem::create_directories(skin / "sub.bmp");
  for (const char* name : {"z.jpg", "x.png", "b.bmp", "Options.dat", "a.BMP", ".hidden.bmp", "readme.txt"})
    WriteText(skin / name, name);
  ASSERT_TRUE(PackDir(skin, dir.Path() / "skin.asz"));
  EXPECT_EQ(NamesIn(dir.Path() / "skin.asz"),
            (std::vector<std::string>{"Options.dat", "a.BMP", "b.bmp", "x.png", "z.jpg"}));
}

TEST(SkinFolder, PackingAFolderWithoutSkinFilesCreatesNoFile) {
  TScratchDir dir;
  std::filesystem::create_directories(dir.Path() / "empty");
  EXPECT_FALSE(PackDir(dir.Path() / "empty", dir.Path() / "empty.asz"));
  WriteText(dir.Path() / "empty" / "notes.txt", "x");
  EXPECT_FALSE(PackDir(dir.Path() / "empty", dir.Path() / "empty.asz"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "empty.asz"));
}

TEST(SkinFolder, AFolderRoundTripsThroughAPackedFile) {
  TScratchDir dir;
  const auto skin = dir.Path() / "skin";
  std::filesystem::create_directories(skin);
  WriteText(skin / "Options.dat", "[FORM]\r\nImage=Master.bmp\r\n");
  WriteText(skin / "Master.bmp", std::string(5000, '\x7F') + "end");
  WriteText(skin / "Glow.png", "");
  ASSERT_TRUE(PackDir(skin, dir.Path() / "skin.asz"));
  UnpackSkinFile(dir.Path() / "skin.asz", dir.Path() / "out" / "deeper");
  for (const char* name : {"Options.dat", "Master.bmp", "Glow.png"})
    EXPECT_EQ(ReadFileBytes(dir.Path() / "out" / "deeper" / name), ReadFileBytes(skin / name)) << name;
}

TEST(SkinFolder, UnpackingRefusesOtherFilesAndNamesThatLeaveTheFolder) {
  TScratchDir dir;
  WriteText(dir.Path() / "plain.asz", "PK not packed");
  const std::filesystem::path plain = dir.Path() / "plain.asz";
  EXPECT_EQ(UnpackError(plain, dir.Path() / "out"), Utf8OfPath(plain) + " is not packed DiderIded file");

  for (const std::string evil : {"../evil.bmp", "..\\evil.bmp", "C:evil.bmp", "..", "sub/evil.bmp"}) {
    TBytes bytes = ContainerHeader(2);
    PutEntry(bytes, "Options.dat", 1, BytesOf("x"));
    PutEntry(bytes, evil, 1, BytesOf("x"));
    WriteFileBytes(dir.Path() / "evil.asz", bytes);
    EXPECT_EQ(UnpackError(dir.Path() / "evil.asz", dir.Path() / "out" / "in"),
              "Packed skin entry \"" + evil + "\" is not a plain file name");
    // Nothing was written, not even the harmless entry before it.
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "out" / "in"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out" / "evil.bmp"));
  }
}

TEST(SkinFolder, SafeEntryNames) {
  for (const char* good : {"Options.dat", "a b.bmp", "\xC0\xB6.png", ".x"}) EXPECT_TRUE(IsSafeEntryName(good)) << good;
  for (const std::string& bad :
       std::vector<std::string>{"", ".", "..", "a/b", "a\\b", "C:x", "x.", "x ", std::string("a\0b", 3), "a\tb"})
    EXPECT_FALSE(IsSafeEntryName(bad)) << bad;
}

TEST(StoredSkins, IndexOfIsExactAndChangesAreAnnounced) {
  TsStoredSkins skins;
  int changes = 0;
  skins.OnSkinListChanged = [&] { ++changes; };
  skins.Add({"Login", BytesOf("ASzf")});
  skins.Add({"login", BytesOf("ASzf")});
  EXPECT_EQ(skins.IndexOf("login"), 1);
  EXPECT_EQ(skins.IndexOf("Login"), 0);
  EXPECT_EQ(skins.IndexOf("LOGIN"), -1);
  skins.SetItem(1, {"Other", {}});
  EXPECT_EQ(skins.IndexOf("Other"), 1);
  EXPECT_EQ(changes, 3);
}

TEST(StoredSkins, SavingWritesTheStoredBytesUnderTheExtractedName) {
  TScratchDir dir;
  const TsStoredSkin skin{"Login", BytesOf("ASzf\x01\x02")};
  ASSERT_TRUE(SaveStoredSkin(skin, dir.Path() / "new"));
  const auto file = dir.Path() / "new" / "Login extracted.asz";
  EXPECT_EQ(file, ExtractedSkinPath(dir.Path() / "new", "Login"));
  EXPECT_EQ(ReadFileBytes(file), skin.Data);
  EXPECT_FALSE(SaveStoredSkin({"Empty", {}}, dir.Path()));
  EXPECT_FALSE(SaveStoredSkin({"../up", BytesOf("x")}, dir.Path()));
}
