#include "platform/win32/Win32HotkeyService.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "MessageWindow.h"

namespace snapwright::win32 {
namespace {

// Pumps the thread's messages until `done` or about `rounds` hundredths of a second have passed.
template <typename Done>
bool PumpUntil(Done done, int rounds = 200) {
    for (int round = 0; round < rounds && !done(); ++round) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        ::Sleep(10);
    }
    return done();
}

// The hotkey procedure hears the keys, the retry timer and a changed setting, and every message still
// reaches the window's own procedure, also after the hook is gone.
TEST(Win32HotkeyService, TheHookHandsOnTheTimerAndTheSettingChangeAndEveryMessageGoesOn) {
    testing::MessageWindow window;
    std::vector<std::pair<UINT, WPARAM>> heard;
    Win32HotkeyService service(window.get(), [&heard](UINT message, WPARAM wParam) { heard.emplace_back(message, wParam); });
    ASSERT_TRUE(service.InstallHook());

    service.StartRetryTimer(20);
    EXPECT_TRUE(PumpUntil([&heard] { return !heard.empty(); })) << "the retry timer ticks";
    EXPECT_EQ(heard.front(), (std::pair<UINT, WPARAM>{WM_TIMER, kRetryTimerId}));
    service.StopRetryTimer();
    heard.clear();
    PumpUntil([] { return false; }, 20);  // ten ticks' time
    EXPECT_TRUE(heard.empty()) << "no tick after the timer stopped";

    ::SendMessageW(window.get(), WM_SETTINGCHANGE, 0, 0);
    ::SendMessageW(window.get(), WM_USER, 1, 0);
    EXPECT_EQ(heard, (std::vector<std::pair<UINT, WPARAM>>{{WM_SETTINGCHANGE, 0}}));
    EXPECT_EQ(window.received.back(), static_cast<UINT>(WM_USER));

    service.RemoveHook();
    ::SendMessageW(window.get(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(heard.size(), 1u);
    EXPECT_EQ(window.received.back(), static_cast<UINT>(WM_SETTINGCHANGE));
}

}  // namespace
}  // namespace snapwright::win32
