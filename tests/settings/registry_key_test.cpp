// The registry wrapper reports every outcome, so that callers can stop a
// block exactly where the stored data goes wrong.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "registry_key.h"
#include "scratch_registry.h"

namespace vornal {
namespace {

constexpr char kKey[] = "\\K";

TEST(RegistryKey, OpensOnlyExistingKeysForReading) {
  test::ScratchRegistry reg;
  EXPECT_FALSE(RegistryKey::OpenForRead(reg.Root(), kKey).IsOpen());
  EXPECT_FALSE(RegistryKey::KeyExists(reg.Root(), kKey));
  {
    const RegistryKey created = RegistryKey::OpenOrCreate(reg.Root(), "\\K\\Sub");
    ASSERT_TRUE(created.IsOpen());
  }
  EXPECT_TRUE(RegistryKey::KeyExists(reg.Root(), "K"));
  EXPECT_TRUE(RegistryKey::OpenForRead(reg.Root(), "K\\Sub").IsOpen());
}

TEST(RegistryKey, DwordsMustBeFourByteDwords) {
  test::ScratchRegistry reg;
  reg.SetDword(kKey, "d", 0xDEADBEEF);
  reg.SetString(kKey, "s", "12");
  const std::uint64_t q = 5;
  reg.SetRaw(kKey, "q", REG_QWORD, &q, sizeof q);
  const std::uint16_t shortValue = 7;
  reg.SetRaw(kKey, "short", REG_DWORD, &shortValue, sizeof shortValue);
  const std::uint32_t be = 1;
  reg.SetRaw(kKey, "be", REG_DWORD_BIG_ENDIAN, &be, sizeof be);
  const char bin[16] = {1};
  reg.SetRaw(kKey, "bin", REG_BINARY, bin, sizeof bin);

  const RegistryKey key = RegistryKey::OpenForRead(reg.Root(), kKey);
  std::uint32_t v = 1234;
  EXPECT_EQ(key.ReadDword("d", v), RegResult::Ok);
  EXPECT_EQ(v, 0xDEADBEEFu);
  v = 1234;
  EXPECT_EQ(key.ReadDword("s", v), RegResult::WrongType);
  EXPECT_EQ(key.ReadDword("q", v), RegResult::WrongType);
  EXPECT_EQ(key.ReadDword("short", v), RegResult::WrongType);
  EXPECT_EQ(key.ReadDword("be", v), RegResult::WrongType);
  EXPECT_EQ(key.ReadDword("bin", v), RegResult::WrongType);
  EXPECT_EQ(key.ReadDword("absent", v), RegResult::Missing);
  EXPECT_EQ(v, 1234u) << "a failed read leaves the target alone";
}

TEST(RegistryKey, StringsFitTheirBufferOrAreRefused) {
  test::ScratchRegistry reg;
  reg.SetString(kKey, "sz", "C:\\pics\\a.bmp");
  reg.SetRaw(kKey, "expand", REG_EXPAND_SZ, "%WINDIR%\\b.bmp", 15);
  reg.SetRaw(kKey, "unterminated", REG_SZ, "abcd", 4);
  reg.SetRaw(kKey, "exactlyFull", REG_SZ, "abcdefg", 7);
  reg.SetString(kKey, "long", std::string(300, 'x'));
  reg.SetDword(kKey, "dword", 1);
  const std::string bigBinary(400, 'b');
  reg.SetRaw(kKey, "bigBinary", REG_BINARY, bigBinary.data(), 400);

  const RegistryKey key = RegistryKey::OpenForRead(reg.Root(), kKey);
  char buf[8];
  char path[64];
  ASSERT_EQ(key.ReadString("sz", path, sizeof path), RegResult::Ok);
  EXPECT_STREQ(path, "C:\\pics\\a.bmp");
  ASSERT_EQ(key.ReadString("expand", path, sizeof path), RegResult::Ok);
  EXPECT_STREQ(path, "%WINDIR%\\b.bmp") << "taken without expansion";
  ASSERT_EQ(key.ReadString("unterminated", buf, sizeof buf), RegResult::Ok);
  EXPECT_STREQ(buf, "abcd");
  EXPECT_EQ(key.ReadString("exactlyFull", buf, 7), RegResult::TooLarge)
      << "seven characters need an eighth byte for the terminator";
  EXPECT_EQ(key.ReadString("exactlyFull", buf, sizeof buf), RegResult::Ok);
  EXPECT_STREQ(buf, "abcdefg");
  EXPECT_EQ(key.ReadString("long", path, sizeof path), RegResult::TooLarge);
  EXPECT_STREQ(path, "") << "never a truncated path";
  EXPECT_EQ(key.ReadString("dword", path, sizeof path), RegResult::WrongType);
  EXPECT_EQ(key.ReadString("bigBinary", path, sizeof path), RegResult::WrongType);
  EXPECT_EQ(key.ReadString("absent", path, sizeof path), RegResult::Missing);
}

TEST(RegistryKey, WritesDeletesAndListsValues) {
  test::ScratchRegistry reg;
  {
    const RegistryKey key = RegistryKey::OpenOrCreate(reg.Root(), kKey);
    ASSERT_TRUE(key.IsOpen());
    EXPECT_EQ(key.WriteDword("n", 42), RegResult::Ok);
    EXPECT_EQ(key.WriteBool("t", true), RegResult::Ok);
    EXPECT_EQ(key.WriteBool("f", false), RegResult::Ok);
    EXPECT_EQ(key.WriteString("s", "text"), RegResult::Ok);
    EXPECT_EQ(key.WriteEmptyBinary("notepad.exe"), RegResult::Ok);
    EXPECT_TRUE(key.HasValue("n"));
    EXPECT_EQ(key.DeleteValue("n"), RegResult::Ok);
    EXPECT_FALSE(key.HasValue("n"));
    EXPECT_EQ(key.DeleteValue("n"), RegResult::Ok) << "deleting an absent value is fine";
  }
  EXPECT_EQ(reg.Dword(kKey, "t"), 1u);
  EXPECT_EQ(reg.Dword(kKey, "f"), 0u);
  EXPECT_EQ(reg.TypeOf(kKey, "s"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(reg.String(kKey, "s"), "text");
  EXPECT_EQ(reg.TypeOf(kKey, "notepad.exe"), static_cast<DWORD>(REG_BINARY));

  const RegistryKey key = RegistryKey::OpenForRead(reg.Root(), kKey);
  std::set<std::string> seen;
  EXPECT_EQ(key.ForEachValueName([&](const char* name) {
    seen.insert(name);
    return true;
  }), RegResult::Ok);
  EXPECT_EQ(seen, (std::set<std::string>{"t", "f", "s", "notepad.exe"}));
  int visits = 0;
  EXPECT_EQ(key.ForEachValueName([&](const char*) { return ++visits < 2; }), RegResult::Failed);
  EXPECT_EQ(visits, 2);
}

TEST(RegistryKey, DeleteTreeRemovesSubkeys) {
  test::ScratchRegistry reg;
  reg.SetDword("\\A\\B\\C", "x", 1);
  reg.SetDword("\\A\\D", "y", 1);
  reg.SetDword("\\A", "z", 1);
  EXPECT_EQ(RegistryKey::DeleteTree(reg.Root(), "\\A"), RegResult::Ok);
  EXPECT_FALSE(reg.HasKey("A"));
  EXPECT_EQ(RegistryKey::DeleteTree(reg.Root(), "\\A"), RegResult::Missing);
}

}  // namespace
}  // namespace vornal
