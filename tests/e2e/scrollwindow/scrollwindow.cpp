// scrollwindow: a window that scrolls, for the end-to-end tests of the scrolling capture. A fixed
// header (class ScrollTestHeader) stands over a long document of known pixels (class
// ScrollTestDocument) that scrolls line by line, 16 pixels a line, with its own scroll bar, by the
// wheel (three lines a notch), by scroll bar messages and by the keys (Page Up and Down by a page
// less a line, Ctrl+Home and Ctrl+End, the arrows).
//
//   scrollwindow [--lines N] [--start LINE] [--only wheel|scrollbar|keys] [--at LEFT,TOP]
//                [--view LINES] [--width PIXELS] [--slow MS] [--dump PATH] [--title TEXT]
//                [--topmost 1]
//
// The window is `--width` (640) pixels wide, its document shows `--view` (24) lines; it starts at
// line `--start` and answers only one way of scrolling when told. `--slow` makes every paint of the
// document take that long. `--dump` writes the whole document as a 24-bit BMP, exactly as it is
// painted; `--title` gives the window another caption than "Snapwright scrolling test", and
// `--topmost 1` keeps it in front of every window that is not. Prints "ready" once the window has
// painted, then runs until it is closed, and then "painted N times in M ms": the time its paints of
// the document took. The header's window text
// (not painted) tells the document's top line: "top line N".
//
// The document: line numbers and bars of their own on every line, a blank stretch of ten lines
// (lines 60 to 69), and a list of twelve equal items of three lines each (from line 120).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kLineHeight = 16;
constexpr int kHeaderHeight = 48;
constexpr int kNotchLines = 3;

struct Options {
    int lines = 300;
    int start = 0;
    std::string only;
    int left = 150;
    int top = 100;
    int view = 24;
    int width = 640;
    int slow = 0;
    std::wstring dump;
    std::wstring title = L"Snapwright scrolling test";
    bool topmost = false;
};

Options g_options;
HWND g_header = nullptr;
HWND g_document = nullptr;
HDC g_pictureDc = nullptr;
BYTE* g_pictureBits = nullptr;
BITMAPINFO g_pictureInfo{};  // its header, also the file's
int g_top = 0;  // the document's line at the top of the view
int g_wheel = 0;
int g_paints = 0;
double g_paintMilliseconds = 0;

bool Answers(const char* way) {
    return g_options.only.empty() || g_options.only == way;
}

int LastTop() {
    return g_options.lines > g_options.view ? g_options.lines - g_options.view : 0;
}

// The whole document drawn once into a 24-bit DIB section, which every paint copies from.
void DrawDocument(int width) {
    const int height = g_options.lines * kLineHeight;
    BITMAPINFOHEADER& header = g_pictureInfo.bmiHeader;
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>((width * 3 + 3) & ~3) * static_cast<DWORD>(height);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &g_pictureInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
    g_pictureDc = ::CreateCompatibleDC(nullptr);
    ::SelectObject(g_pictureDc, bitmap);
    g_pictureBits = static_cast<BYTE*>(bits);

    RECT all{0, 0, width, height};
    ::FillRect(g_pictureDc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    // Without smoothing the text is the same pixels on every system.
    HFONT font = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial");
    ::SelectObject(g_pictureDc, font);
    ::SetBkMode(g_pictureDc, TRANSPARENT);
    for (int line = 0; line < g_options.lines; ++line) {
        const int y = line * kLineHeight;
        if (line >= 60 && line < 70) continue;
        std::wstring text;
        COLORREF colour;
        int bar;
        if (line >= 120 && line < 156) {
            const int row = (line - 120) % 3;
            text = row == 0 ? L"An item of the list, the same as the others" : L"";
            colour = row == 2 ? RGB(230, 230, 230) : RGB(90, 140, 200);
            bar = row == 2 ? width - 16 : 120;
        } else {
            text = L"Line " + std::to_wstring(line) + L": the quick brown fox jumps over the lazy dog";
            colour = RGB((line * 37) % 256, (line * 91) % 256, (line * 53) % 256);
            bar = 40 + (line * 29) % (width / 2);
        }
        RECT block{width - 8 - bar, y + 3, width - 8, y + kLineHeight - 3};
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(g_pictureDc, &block, brush);
        ::DeleteObject(brush);
        ::SetTextColor(g_pictureDc, RGB(20, 20, 20));
        ::TextOutW(g_pictureDc, 8, y + 1, text.c_str(), static_cast<int>(text.size()));
    }
    ::GdiFlush();
}

bool WriteDocument(const std::wstring& path) {
    const BITMAPINFOHEADER& header = g_pictureInfo.bmiHeader;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&header, sizeof(header), 1, out);
    std::fwrite(g_pictureBits, 1, header.biSizeImage, out);
    return std::fclose(out) == 0;
}

void ScrollTo(int line) {
    if (line < 0) line = 0;
    if (line > LastTop()) line = LastTop();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = g_options.lines - 1;
    info.nPage = static_cast<UINT>(g_options.view);
    info.nPos = line;
    ::SetScrollInfo(g_document, SB_VERT, &info, TRUE);
    const std::wstring text = L"top line " + std::to_wstring(line);
    ::SetWindowTextW(g_header, text.c_str());
    if (line == g_top) return;
    g_top = line;
    ::InvalidateRect(g_document, nullptr, FALSE);
}

// Scrolls as a part of the scroll bar does (SB_LINEUP ...), to `thumb` for the thumb.
void Scroll(int part, int thumb) {
    switch (part) {
        case SB_LINEUP: ScrollTo(g_top - 1); break;
        case SB_LINEDOWN: ScrollTo(g_top + 1); break;
        case SB_PAGEUP: ScrollTo(g_top - (g_options.view - 1)); break;
        case SB_PAGEDOWN: ScrollTo(g_top + g_options.view - 1); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(thumb); break;
        case SB_TOP: ScrollTo(0); break;
        case SB_BOTTOM: ScrollTo(LastTop()); break;
        default: break;
    }
}

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            LARGE_INTEGER start{}, end{}, frequency{};
            ::QueryPerformanceCounter(&start);
            PAINTSTRUCT paint{};
            HDC dc = ::BeginPaint(window, &paint);
            if (g_options.slow > 0) ::Sleep(static_cast<DWORD>(g_options.slow));
            RECT client{};
            ::GetClientRect(window, &client);
            ::BitBlt(dc, 0, 0, client.right, client.bottom, g_pictureDc, 0, g_top * kLineHeight, SRCCOPY);
            ::EndPaint(window, &paint);
            ::GdiFlush();
            ::QueryPerformanceCounter(&end);
            ::QueryPerformanceFrequency(&frequency);
            ++g_paints;
            g_paintMilliseconds += 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                   static_cast<double>(frequency.QuadPart);
            return 0;
        }
        case WM_MOUSEWHEEL:
            if (!Answers("wheel")) return 0;
            g_wheel += GET_WHEEL_DELTA_WPARAM(wParam);
            ScrollTo(g_top - g_wheel / WHEEL_DELTA * kNotchLines);
            g_wheel %= WHEEL_DELTA;
            return 0;
        case WM_VSCROLL:
            if (Answers("scrollbar")) Scroll(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_KEYDOWN: {
            // The keys scroll as the scroll bar's parts do; Home and End only with Ctrl.
            const bool control = ::GetKeyState(VK_CONTROL) < 0;
            const int part = wParam == VK_NEXT ? SB_PAGEDOWN : wParam == VK_PRIOR ? SB_PAGEUP
                           : wParam == VK_DOWN ? SB_LINEDOWN : wParam == VK_UP ? SB_LINEUP
                           : wParam == VK_HOME && control ? SB_TOP : wParam == VK_END && control ? SB_BOTTOM : -1;
            if (Answers("keys")) Scroll(part, 0);
            return 0;
        }
        case WM_LBUTTONDOWN: ::SetFocus(window); return 0;
        default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window, &paint);
    RECT client{};
    ::GetClientRect(window, &client);
    HBRUSH brush = ::CreateSolidBrush(RGB(40, 60, 110));
    ::FillRect(dc, &client, brush);
    ::DeleteObject(brush);
    for (int x = 0; x < client.right; x += 24) {
        RECT mark{x, client.bottom - 6, x + 12, client.bottom};
        ::FillRect(dc, &mark, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::TextOutW(dc, 12, 12, L"A fixed header", 14);
    ::EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: ::SetFocus(g_document); return 0;
        case WM_MOUSEWHEEL: return ::SendMessageW(g_document, message, wParam, lParam);
        case WM_DESTROY: ::PostQuitMessage(0); return 0;
        default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    ::RegisterClassExW(&windowClass);
}

void ReadOptions(int count, wchar_t** arguments) {
    for (int i = 1; i + 1 < count; i += 2) {
        const std::wstring name = arguments[i];
        const wchar_t* value = arguments[i + 1];
        if (name == L"--lines") g_options.lines = _wtoi(value);
        if (name == L"--start") g_options.start = _wtoi(value);
        if (name == L"--view") g_options.view = _wtoi(value);
        if (name == L"--width") g_options.width = _wtoi(value);
        if (name == L"--slow") g_options.slow = _wtoi(value);
        if (name == L"--dump") g_options.dump = value;
        if (name == L"--title") g_options.title = value;
        if (name == L"--topmost") g_options.topmost = _wtoi(value) != 0;
        if (name == L"--only") {
            char only[32] = {};
            std::wcstombs(only, value, sizeof(only) - 1);
            g_options.only = only;
        }
        if (name == L"--at") std::swscanf(value, L"%d,%d", &g_options.left, &g_options.top);
    }
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    ReadOptions(count, arguments);
    ::SetProcessDPIAware();

    Register(L"ScrollTestFrame", FrameProc);
    Register(L"ScrollTestHeader", HeaderProc);
    Register(L"ScrollTestDocument", DocumentProc);
    // The document's client area: the width less its scroll bar, whole lines high.
    const int scrollBar = ::GetSystemMetrics(SM_CXVSCROLL);
    const int documentWidth = g_options.width - scrollBar;
    const int viewHeight = g_options.view * kLineHeight;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT outer{0, 0, g_options.width, kHeaderHeight + viewHeight};
    ::AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND frame = ::CreateWindowExW(g_options.topmost ? WS_EX_TOPMOST : 0, L"ScrollTestFrame", g_options.title.c_str(),
                                   style, g_options.left, g_options.top, outer.right - outer.left,
                                   outer.bottom - outer.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    g_header = ::CreateWindowExW(0, L"ScrollTestHeader", L"", WS_CHILD | WS_VISIBLE, 0, 0, g_options.width,
                                 kHeaderHeight, frame, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    g_document = ::CreateWindowExW(0, L"ScrollTestDocument", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, kHeaderHeight,
                                   g_options.width, viewHeight, frame, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    DrawDocument(documentWidth);
    if (!g_options.dump.empty() && !WriteDocument(g_options.dump)) return 2;
    g_top = -1;
    ScrollTo(g_options.start);
    ::ShowWindow(frame, SW_SHOW);
    ::SetForegroundWindow(frame);
    ::SetFocus(g_document);
    ::UpdateWindow(frame);
    std::printf("ready\n");
    std::fflush(stdout);

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    std::printf("painted %d times in %.0f ms\n", g_paints, g_paintMilliseconds);
    std::fflush(stdout);
    return 0;
}
