#include "ui/win32/WindowSubclasser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "MessageWindow.h"
#include "ui/ObjectError.h"
#include "ui/win32/SharedWindowProc.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::MessageWindow;

constexpr UINT kPing = WM_USER + 7;
constexpr UINT kPong = WM_USER + 8;

class Listener : public IMessageListener {
public:
    Listener(std::string name, std::vector<std::string>& log, SubclassResponse response, LRESULT result)
        : m_name(std::move(name)), m_log(log), m_response(response), m_result(result) {}
    SubclassResponse Response() const override { return m_response; }
    void Response(SubclassResponse response) override { m_response = response; }
    std::intptr_t WindowProc(WindowRef, std::uint32_t message, std::uintptr_t, std::intptr_t) override {
        m_log.push_back(m_name);
        EXPECT_EQ(m_service.CurrentMessage(), message);
        return m_result;
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    SubclassResponse m_response;
    LRESULT m_result;
    WindowSubclasser m_service;
};

std::wstring Decimal(HWND hwnd) {
    return std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(hwnd)));
}

BOOL CALLBACK CollectName(HWND, LPWSTR name, HANDLE, ULONG_PTR names) {
    if (!IS_INTRESOURCE(name)) reinterpret_cast<std::set<std::wstring>*>(names)->insert(name);
    return TRUE;
}

// The window's properties whose names begin with its handle in decimal; the system may keep
// properties of its own on a window.
std::set<std::wstring> PropNames(HWND hwnd) {
    std::set<std::wstring> all;
    ::EnumPropsExW(hwnd, &CollectName, reinterpret_cast<LPARAM>(&all));
    const std::wstring prefix = Decimal(hwnd);
    std::set<std::wstring> names;
    for (const std::wstring& name : all) {
        if (name.compare(0, prefix.size(), prefix) == 0) names.insert(name);
    }
    return names;
}

// The code of the error that `action` raises, 0 when it raises none; checks the documented
// number and source on the way.
int RaisedCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const ObjectError& error) {
        if (error.Code() > 1000) {
            EXPECT_EQ(static_cast<std::uint32_t>(error.Number()), 0x80040000u + static_cast<std::uint32_t>(error.Code()));
            EXPECT_EQ(error.Source(), "snapwright_win_tests.WindowProc") << "the test program's file name";
        }
        return error.Code();
    }
    return 0;
}

TEST(WindowSubclasser, ListenersHearTheirMessagesWhileTheBookkeepingIsInTheWindowsProperties) {
    MessageWindow window;
    window.userResult = 99;
    const LONG_PTR original = ::GetWindowLongPtrW(window.get(), GWLP_WNDPROC);
    std::vector<std::string> log;
    window.onMessage = [&](HWND, UINT message, WPARAM, LPARAM) {
        if (message == kPing) log.push_back("window");
    };
    Listener a("a", log, SubclassResponse::CallPreviousAfter, 11);
    Listener b("b", log, SubclassResponse::Consume, 22);
    WindowSubclasser service;
    service.AttachMessage(&a, window.get(), kPing);
    service.AttachMessage(&b, window.get(), kPing);
    service.AttachMessage(&b, window.get(), WM_SIZE);
    EXPECT_EQ(RaisedCode([&] { service.AttachMessage(&a, window.get(), kPing); }), 13082);

    const std::wstring h = Decimal(window.get());
    const std::wstring ping = h + L"#" + std::to_wstring(kPing);
    EXPECT_EQ(PropNames(window.get()),
              (std::set<std::wstring>{h, h + L"C", ping + L"C", ping + L"#1", ping + L"#2", h + L"#5C", h + L"#5#1"}));
    const auto value = [&](const std::wstring& name) {
        return reinterpret_cast<INT_PTR>(::GetPropW(window.get(), name.c_str()));
    };
    EXPECT_EQ(value(h), original);
    EXPECT_EQ(value(h + L"C"), 3);
    EXPECT_EQ(value(ping + L"#2"), reinterpret_cast<INT_PTR>(static_cast<IMessageListener*>(&b)));

    // The newest listener hears first; the first-attached one has the window's own procedure answer.
    EXPECT_EQ(::SendMessageW(window.get(), kPing, 0, 0), 99);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a", "window"}));
    EXPECT_EQ(::SendMessageW(window.get(), kPong, 0, 0), 99) << "other messages go on to the window";

    service.DetachMessage(&a, window.get(), kPing);
    service.DetachMessage(&b, window.get(), kPing);
    EXPECT_EQ(::GetWindowLongPtrW(window.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SharedWindowProc::WindowProc))
        << "one pair is still attached";
    service.DetachMessage(&b, window.get(), WM_SIZE);
    EXPECT_EQ(::GetWindowLongPtrW(window.get(), GWLP_WNDPROC), original) << "the last pair restores it exactly";
    EXPECT_TRUE(PropNames(window.get()).empty());
    service.DetachMessage(&b, window.get(), WM_SIZE);  // silent
}

TEST(WindowSubclasser, ADestroyedWindowIsLeftWithItsOwnProcedureAndNoProperties) {
    MessageWindow window;
    const HWND hwnd = window.get();
    std::vector<std::string> log;
    Listener listener("listener", log, SubclassResponse::CallPreviousAfter, 0);
    WindowSubclasser service;
    service.AttachMessage(&listener, hwnd, kPing);
    bool sawDestroy = false;
    bool cleanAtLastMessage = false;
    window.onMessage = [&](HWND, UINT message, WPARAM, LPARAM) {
        if (message == WM_DESTROY) sawDestroy = true;
        if (message == WM_NCDESTROY) {
            cleanAtLastMessage = PropNames(hwnd).empty() &&
                                 ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) ==
                                     reinterpret_cast<LONG_PTR>(MessageWindow::Original());
        }
    };
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(sawDestroy) << "the window's own procedure still hears WM_DESTROY";
    EXPECT_TRUE(cleanAtLastMessage);
    service.DetachMessage(&listener, hwnd, kPing);  // the window is gone: silent
}

}  // namespace
}  // namespace snapwright::win32
