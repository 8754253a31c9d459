#include "platform/win32/Win32SystemNames.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "platform/win32/Win32Clock.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {
namespace {

std::string Environment(const wchar_t* name) {
    wchar_t value[512] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, value, 512);
    return length > 0 && length < 512 ? ToUtf8(value) : std::string();
}

TEST(Win32SystemNames, NamesAreThoseOfTheSession) {
    Win32SystemNames names;
    EXPECT_FALSE(names.UserName().empty());
    EXPECT_FALSE(names.ComputerName().empty());
    EXPECT_EQ(names.UserName(), Environment(L"USERNAME"));
    EXPECT_EQ(names.ComputerName(), Environment(L"COMPUTERNAME"));
}

TEST(Win32Clock, GeneralDateTimeHasTheDateAndATimeWithSeconds) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const std::string text = Win32Clock().GeneralDateTimeNow();
    EXPECT_NE(text.find(std::to_string(now.wYear)), std::string::npos) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex(" [0-9]{1,2}:[0-9]{2}:[0-9]{2}"))) << text;
}

}  // namespace
}  // namespace snapwright::win32
