#include "platform/win32/registry_settings_store.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace qel::platform {
namespace {

constexpr std::u16string_view kKey = u"Software\\K.DORAN\\APP\\QELCONTAINER-TEST";
constexpr wchar_t kWideKey[] = L"Software\\K.DORAN\\APP\\QELCONTAINER-TEST";

class RegistrySettings : public ::testing::Test {
 protected:
  void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kWideKey); }
  void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kWideKey); }

  void storeRaw(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kWideKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, L"maker", 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
  }

  RegistrySettingsStore store;
};

TEST_F(RegistrySettings, StringsComeBackAsStoredAndMissingOnesAreNothing) {
  EXPECT_FALSE(store.readString(kKey, u"maker"));
  ASSERT_TRUE(store.writeString(kKey, u"maker", u"山田工房"));
  EXPECT_EQ(store.readString(kKey, u"maker"), u"山田工房");
  EXPECT_FALSE(store.readString(kKey, u"other"));
  ASSERT_TRUE(store.writeString(kKey, u"maker", u""));
  EXPECT_EQ(store.readString(kKey, u"maker"), u"");
}

TEST_F(RegistrySettings, WritesRegSzWithItsTerminator) {
  ASSERT_TRUE(store.writeString(kKey, u"maker", u"工房"));
  DWORD type = 0;
  DWORD size = 0;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kWideKey, L"maker", RRF_RT_ANY | RRF_NOEXPAND, &type,
                           nullptr, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 6u);
}

TEST_F(RegistrySettings, ValueWithoutTerminatorOrWithTextAfterAZeroReadsUpToIt) {
  storeRaw(REG_SZ, L"abc", 6);
  EXPECT_EQ(store.readString(kKey, u"maker"), u"abc");
  storeRaw(REG_BINARY, L"ab\0cd", 10);
  EXPECT_EQ(store.readString(kKey, u"maker"), u"ab");
}

}  // namespace
}  // namespace qel::platform
