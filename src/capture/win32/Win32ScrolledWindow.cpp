#include "capture/win32/Win32ScrolledWindow.h"

#include <algorithm>

#include "capture/Desktop.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/Win32Screen.h"

namespace snapwright::win32 {

namespace {

constexpr int kEscapeHotkey = 0x5357;  // a thread hotkey's id, 0 to 0xBFFF
constexpr DWORD kAnswerMilliseconds = 2000;
// The longest wait for the window's program to have handled a request and painted.
constexpr DWORD kIdleMilliseconds = 500;
// The longest wait for the window to come in front, and how often it is looked at meanwhile.
constexpr ULONGLONG kFrontMilliseconds = 3000;
constexpr int kFrontLookMilliseconds = 30;

Rect RectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// A vertical scroll bar of the window's own that has somewhere to go. Where the system does not
// tell another program's scroll bar (Wine), one that shows counts.
bool CanScroll(HWND window) {
    if (!(::GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL)) return false;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    if (!::GetScrollInfo(window, SB_VERT, &info)) return true;
    return info.nMax - info.nMin + 1 > static_cast<int>(std::max(info.nPage, 1u));
}

struct ScrollTargetSearch {
    HWND best = nullptr;
    long long bestArea = 0;
};

void ConsiderTarget(HWND window, ScrollTargetSearch& search) {
    RECT rect{};
    if (!::IsWindowVisible(window) || !CanScroll(window) || !::GetWindowRect(window, &rect)) return;
    const long long area = static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
    if (area > search.bestArea) {
        search.best = window;
        search.bestArea = area;
    }
}

BOOL CALLBACK ConsiderChild(HWND child, LPARAM search) {
    ConsiderTarget(child, *reinterpret_cast<ScrollTargetSearch*>(search));
    return TRUE;
}

// The deepest visible window at a point of the window's client area: what the wheel reaches there.
HWND DeepestAt(HWND window, POINT screenPoint) {
    HWND at = window;
    for (;;) {
        POINT point = screenPoint;
        ::ScreenToClient(at, &point);
        HWND child = ::ChildWindowFromPointEx(at, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
        if (!child || child == at) return at;
        at = child;
    }
}

// Page Up, Page Down and Home are the extended keys of the navigation block, not those of the
// number pad.
INPUT KeyInput(WORD key, bool up, bool extended = true) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

}  // namespace

// The part that scrolls is the largest part of the window with a vertical scroll bar that can
// move; a window without one (a browser, a modern list) is scrolled by the wheel over its middle.
std::unique_ptr<Win32ScrolledWindow> Win32ScrolledWindow::Open(HWND window) {
    if (!window || !::IsWindow(window) || !::IsWindowVisible(window) || ::IsIconic(window)) return nullptr;
    const Win32Screen screen;
    const Win32WindowService windows;
    const Desktop desktop(screen, windows);
    const std::optional<Rect> area = desktop.VisibleFrame(reinterpret_cast<WindowRef>(window));
    if (!area || area->width <= 0 || area->height <= 0) return nullptr;
    std::vector<Rect> shownParts = ShownParts(*area, desktop.Monitors());
    if (shownParts.empty()) return nullptr;
    std::unique_ptr<Win32ScrolledWindow> scrolled(new Win32ScrolledWindow(window, *area, std::move(shownParts)));
    if (!scrolled->m_bits) return nullptr;
    return scrolled;
}

Win32ScrolledWindow::Win32ScrolledWindow(HWND window, const Rect& area, std::vector<Rect> shownParts)
    : m_window(window), m_area(area), m_shownParts(std::move(shownParts)) {
    ::GetWindowRect(window, &m_windowRect);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != ::GetCurrentProcessId()) {
        m_process.reset(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    }

    // The frames are grabbed into one top-down 24-bit DIB section, used again for every grab.
    const WindowDc screen(nullptr, false);
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(area.width, -area.height);
    void* bits = nullptr;
    m_bitmap.reset(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_memory.reset(::CreateCompatibleDC(screen.get()));
    if (m_bitmap && m_memory) {
        m_selected.emplace(m_memory.get(), m_bitmap.get());
        m_bits = static_cast<std::uint8_t*>(bits);
    }

    ScrollTargetSearch search;
    ConsiderTarget(window, search);
    ::EnumChildWindows(window, &ConsiderChild, reinterpret_cast<LPARAM>(&search));
    RECT client{};
    ::GetClientRect(window, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ::ClientToScreen(window, &middle);
    m_targetHasScrollBar = search.best != nullptr;
    m_target = m_targetHasScrollBar ? search.best : DeepestAt(window, middle);

    // The wheel goes in a fifth of the way down the part that scrolls: what the pointer lights up
    // there is kept out of the rows that come into view at the bottom, seven tenths of a view at most.
    RECT target{};
    ::GetWindowRect(m_target, &target);
    const Rect shown = Intersection(RectOf(target), m_area);
    m_wheelPoint = {shown.left + shown.width / 2, shown.top + shown.height / 5};
    // The pointer is there from the first frame on: whatever it lights up is so in every frame.
    ::GetCursorPos(&m_userPointer);
    ::SetCursorPos(m_wheelPoint.x, m_wheelPoint.y);
    m_escapeHotkey = ::RegisterHotKey(nullptr, kEscapeHotkey, MOD_NOREPEAT, VK_ESCAPE) != FALSE;
}

Win32ScrolledWindow::~Win32ScrolledWindow() {
    if (m_escapeHotkey) ::UnregisterHotKey(nullptr, kEscapeHotkey);
    ::SetCursorPos(m_userPointer.x, m_userPointer.y);
}

int Win32ScrolledWindow::ViewHeight() const {
    RECT client{};
    if (!m_targetHasScrollBar || !::GetClientRect(m_target, &client)) return 0;
    return client.bottom;
}

// The screen as it shows, parts beyond every monitor black; the memory is flushed before its rows
// are read.
PixelRows Win32ScrolledWindow::Grab() {
    const WindowDc screen(nullptr, false);
    if (!screen || !m_bits) return {};
    if (m_shownParts.size() != 1 || m_shownParts.front() != m_area) {
        ::PatBlt(m_memory.get(), 0, 0, m_area.width, m_area.height, BLACKNESS);
    }
    for (const Rect& part : m_shownParts) {
        if (!CopyInBands(m_memory.get(), part.left - m_area.left, part.top - m_area.top, part.width, part.height,
                         screen.get(), part.left, part.top)) {
            return {};
        }
    }
    ::GdiFlush();
    return {m_bits, static_cast<std::ptrdiff_t>(Rgb24RowBytes(m_area.width)), m_area.width, m_area.height};
}

std::optional<ScrollBarState> Win32ScrolledWindow::ScrollBar() const {
    if (!m_targetHasScrollBar) return std::nullopt;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(m_target, SB_VERT, &info)) return std::nullopt;
    const int page = static_cast<int>(info.nPage);
    return ScrollBarState{info.nPos, info.nMin, std::max(info.nMin, info.nMax - std::max(page, 1) + 1), page};
}

// The first grab after a request shows what the window painted for it when the program has handled
// its input and waits for more: a grab of the screen costs as much as the window's own paint, and
// one that shows the frame before is wasted.
bool Win32ScrolledWindow::Answered(bool sent) const {
    if (sent && m_process) ::WaitForInputIdle(m_process.get(), kIdleMilliseconds);
    return sent;
}

bool Win32ScrolledWindow::Scroll(ScrollMethod method, int amount) {
    switch (method) {
        case ScrollMethod::Wheel: return Answered(Wheel(amount));
        case ScrollMethod::Keys: return Answered(Keys(amount));
        case ScrollMethod::ScrollBar: {
            if (!m_targetHasScrollBar) return false;
            if (const std::optional<ScrollBarState> state = ScrollBar()) {
                return ScrollBarTo(std::clamp(state->position + amount, state->first, state->last));
            }
            // A scroll bar whose position is not told goes line by line.
            for (int lines = std::abs(amount); lines > 0; --lines) {
                if (!SendScrollBar(amount > 0 ? SB_LINEDOWN : SB_LINEUP)) return false;
            }
            return SendScrollBar(SB_ENDSCROLL);
        }
    }
    return false;
}

bool Win32ScrolledWindow::ScrollToTop(ScrollMethod method) {
    switch (method) {
        case ScrollMethod::ScrollBar:
            return m_targetHasScrollBar && SendScrollBar(SB_TOP) && SendScrollBar(SB_ENDSCROLL);
        case ScrollMethod::Keys: {
            if (!InFront()) return false;
            INPUT inputs[] = {KeyInput(VK_CONTROL, false, false), KeyInput(VK_HOME, false), KeyInput(VK_HOME, true),
                              KeyInput(VK_CONTROL, true, false)};
            return ::SendInput(4, inputs, sizeof(INPUT)) == 4;
        }
        case ScrollMethod::Wheel: return false;
    }
    return false;
}

// The position goes along with the request as a 16-bit number: windows read it from there, or
// from the scroll bar's tracking position. Positions beyond that go line by line.
bool Win32ScrolledWindow::ScrollBarTo(int position) {
    const std::optional<ScrollBarState> state = ScrollBar();
    if (!state) return false;
    position = std::clamp(position, state->first, state->last);
    if (position <= 0xFFFF) {
        return SendScrollBar(SB_THUMBTRACK, position) && SendScrollBar(SB_THUMBPOSITION, position) &&
               SendScrollBar(SB_ENDSCROLL);
    }
    const WORD request = position > state->position ? SB_LINEDOWN : SB_LINEUP;
    for (int lines = std::abs(position - state->position); lines > 0; --lines) {
        if (!SendScrollBar(request)) return false;
    }
    return SendScrollBar(SB_ENDSCROLL);
}

bool Win32ScrolledWindow::SendScrollBar(WORD request, int position) const {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(m_target, WM_VSCROLL, MAKEWPARAM(request, static_cast<WORD>(position)), 0,
                                 SMTO_ABORTIFHUNG, kAnswerMilliseconds, &result) != 0;
}

// The wheel goes where the pointer is, over the part that scrolls; nothing is sent when another
// window lies over that place.
bool Win32ScrolledWindow::Wheel(int notches) {
    const HWND under = ::WindowFromPoint(m_wheelPoint);
    if (!under || ::GetAncestor(under, GA_ROOT) != m_window) return false;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(-notches * WHEEL_DELTA);
    return ::SendInput(1, &input, sizeof(input)) == 1;
}

// Keys go to the window in front: none are sent while another one is.
bool Win32ScrolledWindow::Keys(int pages) {
    if (!InFront()) return false;
    const WORD key = pages > 0 ? VK_NEXT : VK_PRIOR;
    for (int page = 0; page < std::abs(pages); ++page) {
        INPUT inputs[] = {KeyInput(key, false), KeyInput(key, true)};
        if (::SendInput(2, inputs, sizeof(INPUT)) != 2) return false;
    }
    return true;
}

bool Win32ScrolledWindow::InFront() const {
    return ::GetForegroundWindow() == m_window;
}

// A window that nothing covers is left as it is. Another one comes in front by the rights of this
// program, which the user has just used (the overlay, the tray menu), and is raised in any case
// without waiting for its program, which answers in its own time.
bool Win32ScrolledWindow::ComeToFront() {
    if (!Covered()) return true;
    ::SetForegroundWindow(m_window);
    ::SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
    const ULONGLONG end = ::GetTickCount64() + kFrontMilliseconds;
    while (Covered()) {
        if (::GetTickCount64() >= end) return false;
        Wait(kFrontLookMilliseconds);
    }
    return true;
}

bool Win32ScrolledWindow::Covered() const {
    const Win32Screen screen;
    const Win32WindowService windows;
    return Desktop(screen, windows).Covered(reinterpret_cast<WindowRef>(m_window), m_area);
}

bool Win32ScrolledWindow::StillThere() const {
    RECT now{};
    return ::IsWindow(m_window) && ::IsWindowVisible(m_window) && !::IsIconic(m_window) &&
           ::GetWindowRect(m_window, &now) && ::EqualRect(&now, &m_windowRect);
}

bool Win32ScrolledWindow::StopAsked() {
    Wait(0);
    if (!m_escapeHotkey && (::GetAsyncKeyState(VK_ESCAPE) & 0x8000)) m_stopAsked = true;
    return m_stopAsked;
}

// The program's windows (the note among them) are served while time passes; the Escape hotkey is
// a message of the thread's own.
void Win32ScrolledWindow::Wait(int milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(std::max(milliseconds, 0));
    for (;;) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            if (message.message == WM_HOTKEY && !message.hwnd && message.wParam == kEscapeHotkey) {
                m_stopAsked = true;
                continue;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

std::int64_t Win32ScrolledWindow::Milliseconds() const {
    return static_cast<std::int64_t>(::GetTickCount64());
}

std::unique_ptr<IScrolledWindow> OpenScrolledWindow(WindowRef window) {
    return Win32ScrolledWindow::Open(reinterpret_cast<HWND>(window));
}

}  // namespace snapwright::win32
