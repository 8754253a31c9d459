#include "platform/win32/RegistrySettingsStore.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace snapwright::win32 {
namespace {

// A section of its own, so the test never touches the program's real settings.
constexpr const char* kApp = "SnapwrightTest";

class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\SnapwrightTest");
    }
};

// The e2e tests read the stored settings, REG_SZ values at the documented place, with Wine's reg.
TEST_F(RegistrySettingsStoreTest, RoundTripOfAnyTextAndOfNone) {
    RegistrySettingsStore store;
    EXPECT_EQ(store.GetSetting(kApp, "Config", "PrintTo", "dflt"), "dflt");
    store.SaveSetting(kApp, "Config", "SavePath", "C:\\Bilder\\Ümläut\u2122\\");
    EXPECT_EQ(store.GetSetting(kApp, "Config", "SavePath", ""), "C:\\Bilder\\Ümläut\u2122\\");
    store.SaveSetting(kApp, "Config", "PrintTo", "");
    EXPECT_EQ(store.GetSetting(kApp, "Config", "PrintTo", "dflt"), "") << "an empty value is not an absent one";
}

TEST_F(RegistrySettingsStoreTest, ValueWithoutTerminatorAndOtherTypesAreHandled) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\SnapwrightTest\\Config", 0,
                                nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t unterminated[] = {L'4', L'2'};
    ::RegSetValueExW(key, L"NoNul", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), sizeof(unterminated));
    const DWORD number = 7;
    ::RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    ::RegCloseKey(key);

    RegistrySettingsStore store;
    EXPECT_EQ(store.GetSetting(kApp, "Config", "NoNul", "x"), "42");
    EXPECT_EQ(store.GetSetting(kApp, "Config", "Number", "x"), "x");
}

}  // namespace
}  // namespace snapwright::win32
