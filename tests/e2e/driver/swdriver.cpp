// swdriver: drives Snapwright from outside in the end-to-end tests. It presses keys through
// SendInput, finds windows and controls and clicks buttons.
//
//   swdriver keys shift+print                 press a key with modifiers (alt, shift, ctrl): print,
//                                              escape, enter, down, tab, f1 to f24 or a letter (ctrl+z)
//   swdriver wait-window TITLE [CLASS] [MS]    wait until a top-level window shows
//   swdriver gone-window TITLE [CLASS] [MS]    wait until no such window exists
//   swdriver texts TITLE                       print the texts of the window and its children
//   swdriver click TITLE BUTTON [CLASS]        click the child button whose text is BUTTON
//   swdriver close TITLE [CLASS]               ask the window to close
//   swdriver rect TITLE [CHILDCLASS]           print the screen rectangle of the window, or of its
//                                              first child of that class
//   swdriver child-rect TITLE TEXT             print the screen rectangle of the visible child whose
//                                              text is TEXT
//   swdriver size TITLE WIDTH HEIGHT           give the window that outer size
//   swdriver select TITLE INDEX [ID]           choose entry INDEX of the window's drop-down list
//                                              with control id ID, or of its first one
//   swdriver slider TITLE POSITION             move the window's slider to POSITION
//   swdriver type TITLE TEXT [ID]              put TEXT into the window's edit field with control id
//                                              ID, or into its first one
//   swdriver tray MOUSEMESSAGE                 send the program's tray icon notification (decimal
//                                              mouse message, e.g. 517 right button up) to its main window
//   swdriver menu-rect                         wait for a popup menu to open, with the keyboard; print
//                                              its rectangle
//   swdriver menu-closed                       wait until no popup menu is open
//   swdriver click-id TITLE ID                 click the child with control id ID (a button, or a
//                                              picture that reports clicks)
//   swdriver hold-key KEYS MS                  hold a key with modifiers (as for keys) as a hotkey for
//                                              MS milliseconds, as another program would; prints "held"
//   swdriver windows-capture DELAY MS          stand in for Windows' own screen capture for MS
//                                              milliseconds: hold plain Print Screen while the user's
//                                              PrintScreenKeyForSnippingEnabled is 1, and let go DELAY
//                                              milliseconds after it turns 0; prints "held", then "released"
//   swdriver focus-id TITLE ID                 put the keyboard focus on the dialog's control with id ID
//   swdriver text TITLE ID                     print the text of the window's control with id ID
//   swdriver focus TITLE                       print the text of the control that has the keyboard
//                                              focus in the window's thread
//
// Titles and texts match exactly; "*" matches any title. Without CLASS only visible windows count. Exit code 0 on success, 1 otherwise.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
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

// The key after the last "+" of a combination such as "ctrl+alt+f9"; 0 for none.
WORD KeyNamed(const std::string& combination) {
    const std::string name = combination.substr(combination.rfind('+') + 1);
    if (name == "print") return VK_SNAPSHOT;
    if (name == "escape") return VK_ESCAPE;
    if (name == "enter") return VK_RETURN;
    if (name == "delete") return VK_DELETE;
    if (name == "down") return VK_DOWN;
    if (name == "tab") return VK_TAB;
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return static_cast<WORD>(name[0] - 'a' + 'A');
    if (name.size() >= 2 && name[0] == 'f') {
        const int number = std::atoi(name.c_str() + 1);
        if (number >= 1 && number <= 24) return static_cast<WORD>(VK_F1 + number - 1);
    }
    return 0;
}

UINT ModifiersNamed(const std::string& combination) {
    return (combination.find("ctrl") != std::string::npos ? MOD_CONTROL : 0) |
           (combination.find("alt") != std::string::npos ? MOD_ALT : 0) |
           (combination.find("shift") != std::string::npos ? MOD_SHIFT : 0);
}

int PressKeys(const std::string& combination) {
    std::vector<WORD> modifiers;
    if (combination.find("ctrl") != std::string::npos) modifiers.push_back(VK_CONTROL);
    if (combination.find("alt") != std::string::npos) modifiers.push_back(VK_MENU);
    if (combination.find("shift") != std::string::npos) modifiers.push_back(VK_SHIFT);
    const WORD key = KeyNamed(combination);
    if (key == 0) return 1;
    for (WORD modifier : modifiers) Key(modifier, false);
    Key(key, false);
    Key(key, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) Key(*it, true);
    return 0;
}


HWND ChildOfClass(HWND parent, const wchar_t* className) {
    for (HWND child : Children(parent)) {
        if (_wcsicmp(ClassOf(child).c_str(), className) == 0) return child;
    }
    return nullptr;
}

// As a choice of the user: the list's selection changes and its dialog hears of it.
int SelectEntry(HWND list, int index) {
    if (!list) return 1;
    if (::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index) return 1;
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    return 0;
}

// A button is clicked as the user would; any other control (a picture that reports clicks) tells
// its dialog of a click the way it does itself.
int ClickControl(HWND control) {
    if (!control) return 1;
    if (_wcsicmp(ClassOf(control).c_str(), L"Button") == 0) {
        ::PostMessageW(control, BM_CLICK, 0, 0);
    } else {
        ::PostMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), STN_CLICKED),
                       reinterpret_cast<LPARAM>(control));
    }
    return 0;
}

// As a drag of the user: the slider moves and its dialog hears the thumb's new position.
int MoveSlider(HWND window, int position) {
    HWND slider = ChildOfClass(window, TRACKBAR_CLASSW);
    if (!slider) return 1;
    ::SendMessageW(slider, TBM_SETPOS, TRUE, position);
    const LPARAM from = reinterpret_cast<LPARAM>(slider);
    ::SendMessageW(::GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), from);
    ::SendMessageW(::GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), from);
    return static_cast<int>(::SendMessageW(slider, TBM_GETPOS, 0, 0)) == position ? 0 : 1;
}

// Waits until a top-level window like that shows (`present`) or none is left; false on time-out.
bool WaitWindow(const char* title, const char* className, DWORD timeout, bool present) {
    const DWORD start = ::GetTickCount();
    while ((FindTopLevel(title, className) != nullptr) != present) {
        if (::GetTickCount() - start > timeout) return false;
        ::Sleep(50);
    }
    return true;
}

int PrintRect(HWND window) {
    RECT rect{};
    if (!window || !::GetWindowRect(window, &rect)) return 1;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

// Whether keys pressed now reach the menu: the system gives them to the thread of the foreground
// window, which for a menu must be the thread that shows it.
bool MenuHasTheKeyboard(HWND popup) {
    const HWND foreground = ::GetForegroundWindow();
    return foreground && ::GetWindowThreadProcessId(foreground, nullptr) == ::GetWindowThreadProcessId(popup, nullptr);
}

// Menus belong to the process that shows them, so their items cannot be read from here: the
// tests read the menu's picture instead. Waits until a popup menu is open, and has the keyboard,
// or none is, and gives the one that is open; false on time-out.
bool WaitForMenu(bool open, HWND& popup) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        popup = FindTopLevel("*", "#32768");
        const bool shown = popup && ::IsWindowVisible(popup);
        if (!open && !shown) return true;
        if (open && shown && MenuHasTheKeyboard(popup)) return true;
        ::Sleep(50);
    }
    if (open && popup && !MenuHasTheKeyboard(popup)) std::fprintf(stderr, "the menu is open without the keyboard\n");
    return false;
}

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Whether Windows' setting "Use the Print screen key to open screen capture" is on for the user.
bool WindowsCaptureOn() {
    DWORD value = 0;
    DWORD size = sizeof(value);
    return ::RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Keyboard", L"PrintScreenKeyForSnippingEnabled",
                          RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS &&
           value == 1;
}

// Holds plain Print Screen as Windows' own capture does while its setting is on; lets go `delay`
// milliseconds after the setting has been switched off, and stays for the rest of `lifetime`.
int StandInForWindowsCapture(DWORD delay, DWORD lifetime) {
    const DWORD start = ::GetTickCount();
    if (!WindowsCaptureOn() || !::RegisterHotKey(nullptr, 1, 0, VK_SNAPSHOT)) return 1;
    Say("held");
    while (WindowsCaptureOn()) {
        if (::GetTickCount() - start > lifetime) return 0;
        ::Sleep(50);
    }
    ::Sleep(delay);
    ::UnregisterHotKey(nullptr, 1);
    Say("released");
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed < lifetime) ::Sleep(lifetime - elapsed);
    return 0;
}

// Prints a window's text as UTF-8; fails for no window.
int PrintText(HWND window) {
    if (!window) return 1;
    std::printf("%s\n", Narrow(WindowText(window)).c_str());
    return 0;
}

// Clicks the window's button of that text, looked for again for a few seconds while it is not
// there: once, under load, one look missed a button that the window showed.
bool ClickButton(const char* title, const char* className, const std::wstring& text) {
    for (int look = 0; look < 50; ++look, ::Sleep(100)) {
        HWND window = FindTopLevel(title, className);
        for (HWND child : window ? Children(window) : std::vector<HWND>{}) {
            if (WindowText(child) == text) return ::PostMessageW(child, BM_CLICK, 0, 0) != FALSE;
        }
    }
    return false;
}

// The visible child with that text.
HWND ChildWithText(HWND parent, const char* text) {
    const std::wstring wanted = Widen(text);
    for (HWND child : Children(parent)) {
        if (WindowText(child) == wanted && ::IsWindowVisible(child)) return child;
    }
    return nullptr;
}

}  // namespace

int main() {
    // The arguments as UTF-8, from the wide command line: the narrow argv of the C runtime would
    // squeeze a title in Greek letters into the ANSI code page.
    int argc = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!wide || argc < 2) return 1;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(wide[i]));
    ::LocalFree(wide);
    args.resize(std::max<std::size_t>(args.size(), 5));  // absent arguments read empty
    const std::string& command = args[0];
    const char* title = args[1].c_str();
    const char* third = args[2].empty() ? nullptr : args[2].c_str();
    const char* fourth = args[3].empty() ? nullptr : args[3].c_str();

    if (command == "keys") return PressKeys(title);
    if (command == "wait-window" || command == "gone-window") {
        const DWORD timeout = args[3].empty() ? 20000 : std::strtoul(args[3].c_str(), nullptr, 10);
        return WaitWindow(title, third, timeout, command == "wait-window") ? 0 : 1;
    }
    if (command == "tray") {
        // As the shell does it: the icon id in wParam, the mouse message in lParam. Posted, so
        // that the driver does not wait while the program shows its menu.
        HWND main = FindTopLevel("*", "SnapwrightMainWindow");
        return main && ::PostMessageW(main, 0x0205, 2, static_cast<LPARAM>(std::strtol(title, nullptr, 10))) ? 0 : 1;
    }
    if (command == "menu-rect" || command == "menu-closed") {
        HWND popup = nullptr;
        if (!WaitForMenu(command == "menu-rect", popup)) return 1;
        return command == "menu-rect" ? PrintRect(popup) : 0;
    }
    if (command == "hold-key" && third) {
        const WORD key = KeyNamed(title);
        if (key == 0 || !::RegisterHotKey(nullptr, 1, ModifiersNamed(title), key)) return 1;
        Say("held");
        ::Sleep(static_cast<DWORD>(std::strtoul(third, nullptr, 10)));
        return 0;
    }
    if (command == "windows-capture" && third) {
        return StandInForWindowsCapture(std::strtoul(title, nullptr, 10), std::strtoul(third, nullptr, 10));
    }

    if (command == "click" && third) return ClickButton(title, fourth, Widen(third)) ? 0 : 1;

    // The window the other commands act on; "close" may name its class, which finds hidden
    // windows too.
    HWND window = FindTopLevel(title, command == "close" ? third : nullptr);
    if (!window) return 1;
    HWND control = third ? ::GetDlgItem(window, std::atoi(third)) : nullptr;
    if (command == "texts") {
        PrintText(window);
        for (HWND child : Children(window)) PrintText(child);
        return 0;
    }
    if (command == "close") return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == "rect") return PrintRect(third ? ChildOfClass(window, Widen(third).c_str()) : window);
    if (command == "child-rect" && third) return PrintRect(ChildWithText(window, third));
    if (command == "size" && third && fourth) {
        return ::SetWindowPos(window, nullptr, 0, 0, std::atoi(third), std::atoi(fourth),
                              SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    }
    if (command == "click-id") return ClickControl(control);
    if (command == "type" && third) {
        HWND edit = fourth ? ::GetDlgItem(window, std::atoi(fourth)) : ChildOfClass(window, L"Edit");
        if (!edit) return 1;
        const std::wstring text = Widen(third);
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return WindowText(edit) == text ? 0 : 1;
    }
    if (command == "select" && third) {
        return SelectEntry(fourth ? ::GetDlgItem(window, std::atoi(fourth)) : ChildOfClass(window, L"ComboBox"),
                           std::atoi(third));
    }
    if (command == "text") return PrintText(control);
    if (command == "focus-id") {
        return control && ::PostMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE) ? 0 : 1;
    }
    if (command == "focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return 1;
        return PrintText(info.hwndFocus);
    }
    if (command == "slider" && third) return MoveSlider(window, std::atoi(third));
    return 1;
}
