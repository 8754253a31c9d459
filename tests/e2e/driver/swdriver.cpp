// swdriver: drives Snapwright from outside in the end-to-end tests. It presses keys through
// SendInput, finds windows and controls, clicks buttons and shows a window of known content.
//
//   swdriver keys shift+print                 press Print Screen with modifiers (alt, shift, ctrl)
//   swdriver wait-window TITLE [CLASS] [MS]    wait until a top-level window shows; print its handle
//   swdriver gone-window TITLE [CLASS] [MS]    wait until no such window exists
//   swdriver texts TITLE [CLASS]               print the texts of the window and its children
//   swdriver click TITLE BUTTON [CLASS]        click the child button whose text is BUTTON
//   swdriver close TITLE [CLASS]               ask the window to close
//   swdriver pattern W H X Y                   show a captioned window of outer size W x H at X, Y
//                                              in front, painted with a known pattern, until closed
//   swdriver rect TITLE [CLASS]                print the window's outer rectangle
//   swdriver gdi-objects PID                   print the GDI object count of a process
//   swdriver tray MOUSEMESSAGE                 send the program's tray icon notification (decimal
//                                              mouse message, e.g. 517 right button up) to its main window
//   swdriver menu-items                        print the items of the open popup menu, one a line
//   swdriver menu-closed                       wait until no popup menu is open
//
// Titles and texts match exactly; "*" matches any title. Without CLASS only visible windows count. Exit code 0 on success, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const char* text) {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length - 1 : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[2048] = {};
    ::SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                          nullptr);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    ::GetClassNameW(window, buffer, 256);
    return buffer;
}

struct Search {
    std::wstring title;
    std::wstring className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    // A search by class also finds hidden windows (the program's main window is never shown).
    if (search->className.empty() && !::IsWindowVisible(window)) return TRUE;
    if (search->title != L"*" && WindowText(window) != search->title) return TRUE;
    if (!search->className.empty() && ClassOf(window) != search->className) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(const char* title, const char* className) {
    Search search{Widen(title), className ? Widen(className) : L""};
    ::EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND WaitFor(const char* title, const char* className, DWORD timeout) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND window = FindTopLevel(title, className)) return window;
        if (::GetTickCount() - start > timeout) return nullptr;
        ::Sleep(50);
    }
}

void Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (virtualKey == VK_SNAPSHOT) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    ::SendInput(1, &input, sizeof(input));
    ::Sleep(30);
}

int PressKeys(const std::string& spec) {
    std::vector<WORD> modifiers;
    if (spec.find("ctrl") != std::string::npos) modifiers.push_back(VK_CONTROL);
    if (spec.find("alt") != std::string::npos) modifiers.push_back(VK_MENU);
    if (spec.find("shift") != std::string::npos) modifiers.push_back(VK_SHIFT);
    WORD key = VK_SNAPSHOT;
    if (spec.find("print") == std::string::npos) {
        if (spec.find("escape") != std::string::npos) key = VK_ESCAPE;
        else if (spec.find("enter") != std::string::npos) key = VK_RETURN;
        else if (spec.find("down") != std::string::npos) key = VK_DOWN;
        else return 1;
    }
    for (WORD modifier : modifiers) Key(modifier, false);
    Key(key, false);
    Key(key, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) Key(*it, true);
    return 0;
}


LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            RECT client;
            ::GetClientRect(window, &client);
            // Stripes of four colours, so that a shot of this window is easy to recognise.
            const COLORREF colours[] = {RGB(200, 30, 30), RGB(30, 160, 60), RGB(40, 60, 200), RGB(240, 200, 20)};
            for (int i = 0; i < 4; ++i) {
                RECT stripe{client.right * i / 4, 0, client.right * (i + 1) / 4, client.bottom};
                HBRUSH brush = ::CreateSolidBrush(colours[i]);
                ::FillRect(dc, &stripe, brush);
                ::DeleteObject(brush);
            }
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

int ShowPattern(int width, int height, int x, int y) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PatternProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"SwDriverPattern";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, L"SwDriverPattern", L"Snapwright test pattern", WS_OVERLAPPEDWINDOW, x, y,
                                    width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    ::SetForegroundWindow(window);
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

const char* Arg(int argc, char** argv, int index) {
    return index < argc ? argv[index] : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    const std::string command = argv[1];
    const char* title = Arg(argc, argv, 2);

    if (command == "keys" && title) return PressKeys(title);
    if (command == "wait-window" && title) {
        const char* className = Arg(argc, argv, 3);
        if (className && !*className) className = nullptr;
        const DWORD timeout = Arg(argc, argv, 4) ? std::strtoul(argv[4], nullptr, 10) : 20000;
        HWND window = WaitFor(title, className, timeout);
        if (!window) return 1;
        std::printf("%p\n", static_cast<void*>(window));
        return 0;
    }
    if (command == "gone-window" && title) {
        const char* className = Arg(argc, argv, 3);
        if (className && !*className) className = nullptr;
        const DWORD timeout = Arg(argc, argv, 4) ? std::strtoul(argv[4], nullptr, 10) : 20000;
        const DWORD start = ::GetTickCount();
        while (FindTopLevel(title, className)) {
            if (::GetTickCount() - start > timeout) return 1;
            ::Sleep(50);
        }
        return 0;
    }
    if (command == "texts" && title) {
        HWND window = FindTopLevel(title, Arg(argc, argv, 3));
        if (!window) return 1;
        std::printf("%s\n", Narrow(WindowText(window)).c_str());
        for (HWND child : Children(window)) std::printf("%s\n", Narrow(WindowText(child)).c_str());
        return 0;
    }
    if (command == "click" && title && Arg(argc, argv, 3)) {
        HWND window = FindTopLevel(title, Arg(argc, argv, 4));
        if (!window) return 1;
        const std::wstring button = Widen(argv[3]);
        for (HWND child : Children(window)) {
            if (WindowText(child) == button) {
                ::PostMessageW(child, BM_CLICK, 0, 0);
                return 0;
            }
        }
        return 1;
    }
    if (command == "close" && title) {
        HWND window = FindTopLevel(title, Arg(argc, argv, 3));
        if (!window) return 1;
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "rect" && title) {
        HWND window = FindTopLevel(title, Arg(argc, argv, 3));
        RECT rect{};
        if (!window || !::GetWindowRect(window, &rect)) return 1;
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        return 0;
    }
    if (command == "pattern" && argc >= 6) {
        return ShowPattern(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    }
    if (command == "tray" && title) {
        // As the shell does it: the icon id in wParam, the mouse message in lParam. Posted, so
        // that the driver does not wait while the program shows its menu.
        HWND main = FindTopLevel("*", "SnapwrightMainWindow");
        if (!main) return 1;
        ::PostMessageW(main, 0x0205, 2, static_cast<LPARAM>(std::strtol(title, nullptr, 10)));
        return 0;
    }
    if (command == "menu-items") {
        HWND popup = nullptr;
        for (int attempt = 0; attempt < 200 && !popup; ++attempt) {
            popup = ::FindWindowW(L"#32768", nullptr);
            if (popup && !::IsWindowVisible(popup)) popup = nullptr;
            if (!popup) ::Sleep(50);
        }
        if (!popup) return 1;
        auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0));
        const int count = ::GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            ::GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
            std::printf("%s\n", Narrow(text).c_str());
        }
        return count > 0 ? 0 : 1;
    }
    if (command == "menu-closed") {
        for (int attempt = 0; attempt < 200; ++attempt) {
            HWND popup = ::FindWindowW(L"#32768", nullptr);
            if (!popup || !::IsWindowVisible(popup)) return 0;
            ::Sleep(50);
        }
        return 1;
    }
    if (command == "gdi-objects" && title) {
        HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, std::strtoul(title, nullptr, 10));
        if (!process) return 1;
        std::printf("%lu\n", ::GetGuiResources(process, GR_GDIOBJECTS));
        ::CloseHandle(process);
        return 0;
    }
    return 1;
}
