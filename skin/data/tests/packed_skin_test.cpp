#include <gtest/gtest.h>

#include <fstream>

#include "skin/data/packed_skin.h"
#include "skin/data/skin_convertor.h"
#include "skin/data/tests/packed_test_util.h"

namespace {

TBytes LoginSkin() {
  TBytes out = ContainerHeader(3);
  PutEntry(out, "Options.dat", 9, BytesOf("[FORM]\r\nA"));
  PutEntry(out, "ButtonHuge.bmp", 5, BytesOf("BMhug"));
  PutEntry(out, "Master.bmp", 6, BytesOf("BMmast"));
  return out;
}

std::unique_ptr<TacSkinConvertor> Lending(const TBytes& bytes) {
  auto c = std::make_unique<TacSkinConvertor>();
  c->LendPackedData(bytes);
  return c;
}

// The error text of extracting the bytes; the convertor must be gone after it.
std::string ExtractError(const TBytes& bytes) {
  auto c = Lending(bytes);
  try {
    ExtractPackedData(c);
  } catch (const EPackedSkinError& e) {
    EXPECT_EQ(c, nullptr) << "a failed package must not stay behind as a skin";
    return e.what();
  }
  return "";
}

}  // namespace

TEST(PackedSkin, TheLoginSkinUnpacksToItsThreeEntriesAndIsReadToTheLastByte) {
  const TBytes bytes = LoginSkin();
  const std::vector<TPackedEntry> entries = ReadPackedEntries(bytes);
  ASSERT_EQ(entries.size(), 3u);
  std::size_t consumed = 8;
  for (const TPackedEntry& e : entries) consumed += 4 + e.Name.size() + 4 + e.StoredSize;
  EXPECT_EQ(consumed, bytes.size());

  auto c = Lending(bytes);
  ExtractPackedData(c);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->PackedData().data(), bytes.data());  // lent, not copied
  EXPECT_EQ(c->ImageCount, 2);
  ASSERT_EQ(c->Files.size(), 2u);
  EXPECT_EQ(c->Files[0].FileName, "ButtonHuge.bmp");
  EXPECT_EQ(c->Files[1].FileName, "Master.bmp");
  EXPECT_TRUE(c->Files[1].IsBitmap);
  EXPECT_EQ(c->Files[1].Content, BytesOf("BMmast"));
  ASSERT_TRUE(c->Options.has_value());
  EXPECT_EQ(*c->Options, BytesOf("[FORM]\r\nA"));
}

TEST(PackedSkin, EntriesAreFoundWithoutRegardToLetterCase) {
  TBytes bytes = ContainerHeader(3);
  PutEntry(bytes, "OPTIONS.DAT", 1, BytesOf("x"));
  PutEntry(bytes, "Border.PNG", 1, BytesOf("p"));
  PutEntry(bytes, "master.Bmp", 1, BytesOf("m"));
  auto c = Lending(bytes);
  ExtractPackedData(c);
  ASSERT_TRUE(c->Options.has_value());
  const TacImageItem* master = FindImageEntry(*c, "MASTER.bmp");
  ASSERT_NE(master, nullptr);
  EXPECT_TRUE(master->IsBitmap);
  EXPECT_FALSE(FindImageEntry(*c, "border.png")->IsBitmap);
  EXPECT_EQ(FindImageEntry(*c, "Options.dat"), nullptr);
  EXPECT_EQ(FindImageEntry(*c, "master"), nullptr);
}

TEST(PackedSkin, WithoutAnOptionsEntryTheLastImageIsHiddenAndTheLookupStaysInside) {
  TBytes none = ContainerHeader(2);
  PutEntry(none, "a.bmp", 1, BytesOf("a"));
  PutEntry(none, "b.bmp", 1, BytesOf("b"));
  auto c = Lending(none);
  ExtractPackedData(c);
  EXPECT_FALSE(c->Options.has_value());
  EXPECT_NE(FindImageEntry(*c, "a.bmp"), nullptr);
  EXPECT_EQ(FindImageEntry(*c, "b.bmp"), nullptr);

  TBytes twice = ContainerHeader(3);
  PutEntry(twice, "Options.dat", 1, BytesOf("1"));
  PutEntry(twice, "Options.dat", 1, BytesOf("2"));
  PutEntry(twice, "a.bmp", 1, BytesOf("a"));
  auto d = Lending(twice);
  ExtractPackedData(d);
  EXPECT_EQ(d->ImageCount, 2);
  EXPECT_NE(FindImageEntry(*d, "a.bmp"), nullptr);
  EXPECT_EQ(FindImageEntry(*d, "zzz"), nullptr);
}

TEST(PackedSkin, AWrongMagicIsReportedWithItsOwnText) {
  EXPECT_EQ(ExtractError(BytesOf("PK\x03\x04 not a skin")), "Loaded data is not a packed DiderIded file");
  EXPECT_EQ(ExtractError({}), "Loaded data is not a packed DiderIded file");
}

TEST(PackedSkin, EveryTruncationIsAnErrorNeverAPartialSkin) {
  const TBytes bytes = LoginSkin();
  for (std::size_t n = 0; n < bytes.size(); ++n)
    EXPECT_FALSE(ExtractError(TBytes(bytes.begin(), bytes.begin() + n)).empty()) << "cut at " << n;
}

TEST(PackedSkin, DeclaredSizesAndCountsAreBounded) {
  TBytes manyEntries = ContainerHeader(0xFFFFFFFF);
  PutEntry(manyEntries, "Options.dat", 1, BytesOf("x"));
  EXPECT_EQ(ExtractError(manyEntries), "Packed skin data declares 4294967295 entries but holds 28 bytes for them");

  TBytes huge = ContainerHeader(1);
  PutEntry(huge, "big.bmp", kMaxEntrySize + 1, BytesOf("x"));
  EXPECT_EQ(ExtractError(huge), "Packed skin entry \"big.bmp\" of 67108865 bytes is too large");

  TBytes longName = ContainerHeader(1);
  PutEntry(longName, std::string(kMaxNameLength + 1, 'n'), 1, BytesOf("x"));
  EXPECT_EQ(ExtractError(longName), "Packed skin entry name of 261 bytes is too long");
}

TEST(PackedSkin, AStreamMustInflateToExactlyItsDeclaredSize) {
  TBytes more = ContainerHeader(1);
  PutEntry(more, "a.bmp", 3, BytesOf("four"));
  EXPECT_EQ(ExtractError(more), "Packed skin entry \"a.bmp\" inflates to more than its declared 3 bytes");

  TBytes less = ContainerHeader(1);
  PutEntry(less, "a.bmp", 5, BytesOf("four"));
  EXPECT_EQ(ExtractError(less), "Packed skin entry \"a.bmp\" inflates to 4 bytes, not its declared 5");

  // A bomb: a megabyte of zeros declared as 10 bytes stops at the limit.
  TBytes bomb = ContainerHeader(1);
  PutEntry(bomb, "a.bmp", 10, TBytes(1 << 20, 0));
  EXPECT_NE(ExtractError(bomb).find("more than its declared 10 bytes"), std::string::npos);
}

TEST(PackedSkin, CorruptStreamsAndTrailingBytesAreErrors) {
  TBytes corrupt = ContainerHeader(1);
  PutEntry(corrupt, "a.bmp", 4, BytesOf("four"));
  corrupt[8 + 4 + 5 + 4] ^= 0xFF;  // the zlib header
  EXPECT_NE(ExtractError(corrupt).find("Packed skin entry \"a.bmp\" is corrupt"), std::string::npos);

  TBytes badSum = ContainerHeader(1);
  PutEntry(badSum, "a.bmp", 4, BytesOf("four"));
  badSum.back() ^= 0x01;  // the Adler-32 trailer
  EXPECT_NE(ExtractError(badSum).find("is corrupt"), std::string::npos);

  TBytes trailing = LoginSkin();
  trailing.push_back(0);
  EXPECT_EQ(ExtractError(trailing), "Packed skin data has 1 bytes after its last entry");
}

TEST(PackedSkin, WrittenContainersReadBackEntryForEntry) {
  std::vector<TPackedEntry> entries = {{"Options.dat", 0, BytesOf("[A]")},
                                       {"empty.png", 0, {}},
                                       {"\xC0\xB6\xC8\xB8.bmp", 0, TBytes(70000, 7)}};
  const TBytes bytes = WritePackedEntries(entries);
  const std::vector<TPackedEntry> back = ReadPackedEntries(bytes);
  ASSERT_EQ(back.size(), entries.size());
  for (std::size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i].Name, entries[i].Name);
    EXPECT_EQ(back[i].Content, entries[i].Content);
  }
}

TEST(PackedSkin, LoadSkinFromFileReadsTheWholeFileOrNothing) {
  TScratchDir dir;
  std::unique_ptr<TacSkinConvertor> c;
  LoadSkinFromFile(dir.Path() / "missing.asz", c, true);
  EXPECT_EQ(c, nullptr);

  const TBytes bytes = LoginSkin();
  std::ofstream(dir.Path() / "login.asz", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  LoadSkinFromFile(dir.Path() / "login.asz", c, false);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Files.size(), 2u);
  EXPECT_EQ(c->PackedData().size(), bytes.size());
  LoadSkinFromFile(dir.Path() / "login.asz", c, true);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Files.size(), 2u);  // cleared first, not appended
  EXPECT_TRUE(c->PackedData().empty());
  c->Clear();
  EXPECT_TRUE(c->Files.empty());
  EXPECT_FALSE(c->Options.has_value());
}
