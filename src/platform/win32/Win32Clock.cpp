#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

std::string Win32Clock::GeneralDateTimeNow() const {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    // The general form: the user's short date, then the user's time format (with seconds).
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128, nullptr);
    ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, time, 128);
    return ToUtf8(date) + " " + ToUtf8(time);
}

}  // namespace snapwright::win32
