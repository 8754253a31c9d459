#include "capture/win32/RegionOverlay.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

#include "capture/DesktopRows.h"
#include "capture/RegionLabels.h"
#include "lang/UserText.h"
#include "platform/Diagnostics.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

namespace {

constexpr int kFontPoints = 9;
constexpr int kBandRows = 32;
constexpr DWORD kRepaintMilliseconds = 250;

constexpr COLORREF kFrameColour = RGB(0, 120, 215);
constexpr COLORREF kLabelColour = RGB(32, 32, 32);
constexpr COLORREF kTextColour = RGB(255, 255, 255);

// The rows of a desktop picture, the top one first.
struct Rows {
    const BYTE* top = nullptr;
    std::ptrdiff_t stride = 0;
};

// Pictures of the screen are 24-bit DIB sections, whose pixels the overlay reads in place.
std::optional<Rows> RowsOf(const Picture& picture) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    DIBSECTION section{};
    if (!gdi || ::GetObjectW(gdi->Bitmap(), sizeof(section), &section) != sizeof(section) ||
        section.dsBm.bmBitsPixel != 24 || !section.dsBm.bmBits) {
        return std::nullopt;
    }
    const auto* bits = static_cast<const BYTE*>(section.dsBm.bmBits);
    const std::ptrdiff_t stride = section.dsBm.bmWidthBytes;
    if (section.dsBmih.biHeight < 0) return Rows{bits, stride};
    return Rows{bits + stride * (section.dsBm.bmHeight - 1), -stride};
}

RECT ToRect(const Rect& rect) {
    return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

void AddTo(HRGN region, const Rect& rect) {
    if (IsEmpty(rect)) return;
    const UniqueHrgn piece(::CreateRectRgn(rect.left, rect.top, rect.left + rect.width, rect.top + rect.height));
    ::CombineRgn(region, region, piece.get(), RGN_OR);
}

void Fill(HDC dc, const Rect& rect, COLORREF colour) {
    ::SetDCBrushColor(dc, colour);
    const RECT area = ToRect(rect);
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void Write(HDC dc, const Rect& box, const std::string& text) {
    RECT area = ToRect(box);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kTextColour);
    ::DrawTextW(dc, ToWide(text).c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

// What the overlay works with while a region is drawn.
struct RegionOverlay::Session {
    Session(const Picture& picture, const Rect& area, RegionSelection& selection, int language)
        : picture(picture), area(area), selection(selection), rows(RowsOf(picture)), source(picture),
          layout(area, 96), language(language) {}

    const Picture& picture;
    Rect area;
    RegionSelection& selection;
    std::optional<Rows> rows;
    PictureDc source;
    UniqueHfont font;
    RegionOverlayLayout layout;
    OverlayMarks shown;
    int language;  // the user's, for the window's name and its labels
};

RegionOverlay::RegionOverlay(HINSTANCE instance, std::function<int()> language)
    : m_instance(instance), m_language(std::move(language)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (::GetClassInfoExW(instance, kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = &WindowProcedure<&RegionOverlay::OnMessage>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");
}

// The owners of what a hidden window uncovered paint it when their messages are handled, ours
// among them; the system fades a hidden window out over about a fifth of a second.
void RegionOverlay::WaitForRepaint() {
    PumpMessagesFor(kRepaintMilliseconds);
}

// The window is painted before it shows its first input; it is gone before the region is handed on.
void RegionOverlay::Select(const Picture& desktop, const Rect& area, RegionSelection& selection) {
    Session session(desktop, area, selection, m_language ? m_language() : 0);
    if (!session.rows || !session.source) {
        DebugOutput("The region cannot be drawn: the desktop picture cannot be read.");
        selection.Cancel();
        return;
    }
    m_session = &session;
    struct EndSession {
        RegionOverlay& overlay;
        ~EndSession() {
            overlay.m_window.reset();
            overlay.m_session = nullptr;
        }
    } endSession{*this};

    const std::wstring name = ToWide(UserText(TextId::RegionOverlayCaption, session.language));
    HWND window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, name.c_str(), WS_POPUP,
                                    area.left, area.top, area.width, area.height, nullptr, nullptr, m_instance, this);
    if (!window) throw Win32Error(::GetLastError(), "CreateWindowExW");
    m_window.reset(window);
    const int dpi = WindowDpi(window);
    session.layout = RegionOverlayLayout(area, dpi);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfHeight = -::MulDiv(kFontPoints, dpi, 72);
    metrics.lfMessageFont.lfWeight = FW_BOLD;
    session.font.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    session.shown = Arrange();

    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::UpdateWindow(window);
    ::SetForegroundWindow(window);
    ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));

    if (!RunModalLoop([&selection] { return selection.Finished(); })) selection.Cancel();
}

// While the overlay shows the picture, its bitmap is in the overlay's own context, and no other
// context can take it: a grab meanwhile (a key's, a command's) is cut through that one.
PicturePtr RegionOverlay::Cut(const Picture& picture, const Rect& part) {
    if (m_session && &m_session->picture == &picture) {
        return DCToPicture(m_session->source.get(), part.left, part.top, part.width, part.height, 1.0f);
    }
    const PictureDc source(picture);
    return source ? DCToPicture(source.get(), part.left, part.top, part.width, part.height, 1.0f) : nullptr;
}

// The sizes of the label and the magnifier come from their texts in the overlay's font; the
// layout places them.
OverlayMarks RegionOverlay::Arrange() const {
    const Session& s = *m_session;
    const WindowDc screen(m_window.get(), false);
    const ScopedSelectObject font(screen.get(), s.font.get());
    const auto textSize = [&](const std::string& text) {
        SIZE extent{};
        const std::wstring wide = ToWide(text);
        ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
        return Size{extent.cx, extent.cy};
    };
    const std::optional<Rect> marked = s.selection.Marked();
    const Size label = marked ? s.layout.LabelSize(textSize(RegionSizeLabel(*marked, s.language))) : Size{};
    const Size magnifier = s.layout.MagnifierSize(s.layout.LabelSize(textSize("0")).height);
    return s.layout.Arrange(s.selection, label, magnifier);
}

// Only what changed is painted again: while a region is drawn, that is the bands between the
// old and the new rectangle, their frames, the labels and the magnifier.
void RegionOverlay::Refresh() {
    Session& s = *m_session;
    const OverlayMarks marks = Arrange();
    const UniqueHrgn changed(::CreateRectRgn(0, 0, 0, 0));
    if (marks.marked != s.shown.marked || marks.drawn != s.shown.drawn) {
        const UniqueHrgn before(::CreateRectRgn(0, 0, 0, 0));
        const UniqueHrgn after(::CreateRectRgn(0, 0, 0, 0));
        for (const auto& [region, shown] :
             {std::pair<HRGN, const OverlayMarks*>{before.get(), &s.shown}, {after.get(), &marks}}) {
            if (!shown->marked) continue;
            if (shown->drawn) AddTo(region, *shown->marked);
            for (const Rect& side : s.layout.Frame(*shown)) AddTo(changed.get(), side);
        }
        ::CombineRgn(before.get(), before.get(), after.get(), RGN_XOR);
        ::CombineRgn(changed.get(), changed.get(), before.get(), RGN_OR);
        AddTo(changed.get(), s.shown.label);
        AddTo(changed.get(), marks.label);
    }
    AddTo(changed.get(), s.shown.magnifier);
    AddTo(changed.get(), marks.magnifier);
    s.shown = marks;
    ::InvalidateRgn(m_window.get(), changed.get(), FALSE);
}

// Each rectangle of what is to be painted on its own: a drag changes thin bands of a large area.
void RegionOverlay::OnPaint(HWND window) {
    const UniqueHrgn update(::CreateRectRgn(0, 0, 0, 0));
    const bool known = ::GetUpdateRgn(window, update.get(), FALSE) > NULLREGION;
    std::vector<BYTE> data(known ? ::GetRegionData(update.get(), 0, nullptr) : 0);
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window, &paint);
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    constexpr DWORD kMostParts = 64;
    if (!data.empty() && ::GetRegionData(update.get(), static_cast<DWORD>(data.size()), region) &&
        region->rdh.nCount <= kMostParts) {
        const auto* parts = reinterpret_cast<const RECT*>(region->Buffer);
        for (DWORD i = 0; i < region->rdh.nCount; ++i) Compose(dc, parts[i]);
    } else {
        Compose(dc, paint.rcPaint);
    }
    ::EndPaint(window, &paint);
}

// A part of the window, composed band by band in a buffer of its own and shown a band at once: the
// desktop dimmed, the marked rectangle clear in its frame, the label and the magnifier. A buffer of
// a few rows stays in the processor's cache, where one as large as the screen would first have to
// be made (some 8 MB at 1920 x 1080, as long again as composing it).
void RegionOverlay::Compose(HDC target, const RECT& part) {
    const Session& s = *m_session;
    const Rect area = Intersection({part.left, part.top, part.right - part.left, part.bottom - part.top},
                                   {0, 0, s.area.width, s.area.height});
    if (IsEmpty(area)) return;
    const int bandRows = std::min(area.height, kBandRows);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = area.width;
    info.bmiHeader.biHeight = -bandRows;  // top row first, as the rows are read
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const UniqueHbitmap buffer(::CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc memory(::CreateCompatibleDC(target));
    if (!buffer || !memory || !bits) return;
    ScopedSelectObject selected(memory.get(), buffer.get());
    const ScopedSelectObject font(memory.get(), s.font.get());

    const Rect clear = s.shown.marked && s.shown.drawn ? Intersection(*s.shown.marked, area) : Rect{};
    for (int top = area.top; top < area.top + area.height; top += bandRows) {
        const int rows = std::min(bandRows, area.top + area.height - top);
        ::GdiFlush();  // the last band's drawing is done before its pixels are written anew
        for (int y = top; y < top + rows; ++y) {
            const BYTE* from = s.rows->top + s.rows->stride * y + 3 * area.left;
            auto* to = static_cast<std::uint32_t*>(bits) + static_cast<std::size_t>(area.width) * (y - top);
            ShowRow(from, to, area.width, true);
            if (!IsEmpty(clear) && y >= clear.top && y < clear.top + clear.height) {
                const int offset = clear.left - area.left;
                ShowRow(from + 3 * offset, to + offset, clear.width, false);
            }
        }
        ::SetViewportOrgEx(memory.get(), -area.left, -top, nullptr);
        for (const Rect& side : s.layout.Frame(s.shown)) Fill(memory.get(), side, kFrameColour);
        DrawLabel(memory.get(), s.shown);
        DrawMagnifier(memory.get(), s.shown);
        ::BitBlt(target, area.left, top, area.width, rows, memory.get(), area.left, top, SRCCOPY);
    }
}

void RegionOverlay::DrawLabel(HDC dc, const OverlayMarks& marks) {
    const std::optional<Rect> marked = m_session->selection.Marked();
    if (!marked || IsEmpty(marks.label)) return;
    Fill(dc, marks.label, kLabelColour);
    Write(dc, marks.label, RegionSizeLabel(*marked, m_session->language));
}

// The pixels around the pointer, each a square, the pointer's own one outlined, and below them
// the pointer's place on the desktop.
void RegionOverlay::DrawMagnifier(HDC dc, const OverlayMarks& marks) {
    const Session& s = *m_session;
    const Rect& box = marks.magnifier;
    constexpr int kPixels = RegionOverlayLayout::kMagnifiedPixels;
    const int size = s.layout.MagnifiedPixelSize();
    const int half = kPixels / 2;
    const Point pointer = s.selection.Pointer();
    const Point centre = s.layout.ToOverlay(pointer);
    Fill(dc, box, kLabelColour);
    const Rect around{centre.x - half, centre.y - half, kPixels, kPixels};
    const Rect shown = Intersection(around, {0, 0, s.area.width, s.area.height});
    const Point cells{box.left + 1, box.top + 1};
    Fill(dc, {cells.x, cells.y, kPixels * size, kPixels * size}, RGB(0, 0, 0));
    if (!IsEmpty(shown)) {
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, cells.x + (shown.left - around.left) * size, cells.y + (shown.top - around.top) * size,
                     shown.width * size, shown.height * size, s.source.get(), shown.left, shown.top, shown.width,
                     shown.height, SRCCOPY);
    }
    const Rect own{cells.x + half * size, cells.y + half * size, size, size};
    for (const Rect& side : FrameAround(own, 1)) Fill(dc, side, RGB(255, 255, 255));
    for (const Rect& side : FrameAround({own.left - 1, own.top - 1, size + 2, size + 2}, 1)) {
        Fill(dc, side, RGB(0, 0, 0));
    }
    const int cellsHeight = kPixels * size + 2;
    Write(dc, {box.left, box.top + cellsHeight, box.width, box.height - cellsHeight},
          PointerPlaceLabel(pointer, s.language));
}

void RegionOverlay::OnArrow(ArrowKey key) {
    RegionSelection& selection = m_session->selection;
    selection.MoveBy(key, ::GetKeyState(VK_SHIFT) < 0);
    ::SetCursorPos(selection.Pointer().x, selection.Pointer().y);
}

// A message that fails gives the drawing up rather than leaving the user without a way out.
LRESULT RegionOverlay::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_session) return ::DefWindowProcW(window, message, wParam, lParam);
    try {
        return OnSessionMessage(window, message, wParam, lParam);
    } catch (...) {
        m_session->selection.Cancel();
        throw;
    }
}

// Mouse positions are the window's, whose origin is the desktop's; a right click cancels on its
// release, so that the release reaches no window beneath.
LRESULT RegionOverlay::OnSessionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RegionSelection& selection = m_session->selection;
    const Point at{GET_X_LPARAM(lParam) + m_session->area.left, GET_Y_LPARAM(lParam) + m_session->area.top};
    switch (message) {
        case WM_PAINT: OnPaint(window); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE: selection.MoveTo(at); break;
        case WM_LBUTTONDOWN:
            ::SetCapture(window);
            selection.Press(at);
            break;
        case WM_LBUTTONUP:
            ::ReleaseCapture();
            selection.Release(at);
            break;
        case WM_RBUTTONDOWN: return 0;
        case WM_RBUTTONUP: selection.Cancel(); break;
        case WM_KEYDOWN:
            switch (wParam) {
                case VK_ESCAPE: selection.Cancel(); break;
                case VK_RETURN: selection.Confirm(); break;
                case 'S': selection.ScrollWindow(); break;
                case VK_LEFT: OnArrow(ArrowKey::Left); break;
                case VK_RIGHT: OnArrow(ArrowKey::Right); break;
                case VK_UP: OnArrow(ArrowKey::Up); break;
                case VK_DOWN: OnArrow(ArrowKey::Down); break;
                default: return 0;
            }
            break;
        case WM_CLOSE:
        case WM_DESTROY: selection.Cancel(); return 0;
        default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (!selection.Finished()) Refresh();
    return 0;
}

}  // namespace snapwright::win32
