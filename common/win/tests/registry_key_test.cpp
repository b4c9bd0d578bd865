// The registry key's reads are bounded by what the caller can take: a text
// at the capacity reads, one byte more does not; types and sizes are exact
// where the read says so.
#include "common/win/registry_key.h"

#include <gtest/gtest.h>

#include <string>

#include "common/win/testing/registry_sandbox.h"

namespace {

constexpr char kKey[] = "SOFTWARE\\NicSuiteTests\\RegistryKey";

class RegistryKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    key = RegistryKey::Create(HKEY_LOCAL_MACHINE, kKey, KEY_ALL_ACCESS);
    ASSERT_TRUE(key);
  }
  void Raw(const char* name, DWORD type, const std::string& bytes) {
    ASSERT_EQ(key.WriteValue(name, type, bytes.data(), static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }

  RegistrySandbox sandbox;
  RegistryKey key;
};

TEST_F(RegistryKeyTest, OpeningAMissingKeyGivesAnEmptyOwnerAndEveryReadFailsQuietly) {
  const RegistryKey missing = RegistryKey::Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\NoSuchKey", KEY_READ);
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.ReadText("x", 10));
  EXPECT_FALSE(missing.ReadDword("x"));
  EXPECT_FALSE(missing.Read("x"));
  EXPECT_FALSE(missing.Has("x"));
  EXPECT_FALSE(missing.WriteDword("x", 1));
  EXPECT_TRUE(RegistryKey::Open(HKEY_LOCAL_MACHINE, L"SOFTWARE\\NicSuiteTests\\RegistryKey", KEY_READ));
}

TEST_F(RegistryKeyTest, TextReadsUpToItsCapacityWithOrWithoutItsZero) {
  ASSERT_TRUE(key.WriteString("ten", "0123456789"));  // 11 bytes stored
  EXPECT_EQ(key.ReadText("ten", 11), "0123456789");
  EXPECT_EQ(key.ReadText("ten", 12), "0123456789");
  EXPECT_FALSE(key.ReadText("ten", 10));
  Raw("bare", REG_SZ, "abc");  // stored without a zero: the read gives it one
  EXPECT_EQ(key.ReadText("bare", 4), "abc");
  Raw("inner", REG_BINARY, std::string("ab\0cd", 5));
  EXPECT_EQ(key.ReadText("inner", 5), "ab");
  EXPECT_FALSE(key.ReadString("inner", 5));  // not a string value
  EXPECT_EQ(key.ReadString("ten", 11), "0123456789");
}

TEST_F(RegistryKeyTest, DwordsAndExactReadsTakeOnlyTheirTypeAndSize) {
  ASSERT_TRUE(key.WriteDword("number", 0x12345678));
  EXPECT_EQ(key.ReadDword("number"), 0x12345678u);
  Raw("short", REG_DWORD, std::string("\x01\x02", 2));
  EXPECT_FALSE(key.ReadDword("short"));
  Raw("binary", REG_BINARY, "abcd");
  EXPECT_FALSE(key.ReadDword("binary"));
  char buffer[4] = {};
  EXPECT_TRUE(key.ReadExact("binary", REG_BINARY, buffer, 4));
  EXPECT_FALSE(key.ReadExact("binary", REG_BINARY, buffer, 3));
  EXPECT_TRUE(key.Has("binary"));
}

TEST_F(RegistryKeyTest, WholeValuesAndWideStringsReadWhateverTheirLength) {
  const std::string big(70000, 'x');
  Raw("big", REG_BINARY, big);
  const auto value = key.Read("big");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(std::string(value->bytes.begin(), value->bytes.end()), big);
  ASSERT_TRUE(key.WriteWideString(L"wide", L"\u30d7\u30ea\u30f3\u30bf", false));
  EXPECT_EQ(key.ReadWideString(L"wide"), L"\u30d7\u30ea\u30f3\u30bf");
  EXPECT_FALSE(key.ReadWideString(L"big"));
}

}  // namespace
