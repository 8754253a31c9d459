#include "editor/win32/EditorView.h"

#include <windowsx.h>

#include <algorithm>

#include "editor/win32/EditorItems.h"
#include "editor/win32/EditorTextField.h"
#include "editor/win32/GdiDrawing.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

using enum EditorControl;

namespace {

constexpr wchar_t kViewClass[] = L"SnapwrightEditorView";

// Ends the painting that BeginPaint started, however the painting ends.
class PaintGuard {
public:
    explicit PaintGuard(HWND window) : m_window(window), m_dc(::BeginPaint(window, &m_paint)) {}
    ~PaintGuard() { ::EndPaint(m_window, &m_paint); }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;
    HDC dc() const { return m_dc; }
    const RECT& area() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

}  // namespace

const wchar_t* EditorView::WindowClass() const {
    WNDCLASSEXW viewClass{};
    viewClass.cbSize = sizeof(viewClass);
    if (!::GetClassInfoExW(m_instance, kViewClass, &viewClass)) {
        viewClass.style = CS_DBLCLKS;
        viewClass.lpfnWndProc = &WindowProcedure<&EditorView::OnMessage>;
        viewClass.hInstance = m_instance;
        viewClass.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
        viewClass.lpszClassName = kViewClass;
        if (!::RegisterClassExW(&viewClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");
    }
    return kViewClass;
}

HWND EditorView::Item(ControlId control) const {
    return EditorItem(m_window, control);
}

void EditorView::Detach() {
    m_window = nullptr;
    m_picture.reset();
    m_canvas.reset();
    m_preview = {};
    m_shown.Release();
    m_back.Release();
}

void EditorView::ShowPicture(PicturePtr picture, Point offset) {
    if (picture != m_picture) m_canvas.reset();
    m_picture = std::move(picture);
    m_offset = offset;
    m_shownCurrent = false;
    if (HWND view = Item(Id(View))) ::InvalidateRect(view, nullptr, FALSE);
}

// The changes go into a copy of the picture, made with the first of them, and into the view as it
// is shown, which is painted again where they lie in it.
void EditorView::ChangePicture(const std::vector<PlacedPixels>& parts) {
    if (!m_picture || parts.empty()) return;
    if (!m_canvas) {
        m_canvas = std::make_unique<GdiWorkingPicture>(*m_picture);
        if (!m_canvas->Ready()) {
            m_canvas.reset();
            return;
        }
    }
    RECT client{};
    if (HWND view = Item(Id(View))) ::GetClientRect(view, &client);
    std::vector<RECT> shown;
    for (const PlacedPixels& part : parts) {
        m_canvas->WritePixels(part.pixels, part.at);
        const RECT area{part.at.x - m_offset.x, part.at.y - m_offset.y,
                        part.at.x - m_offset.x + part.pixels.Width(), part.at.y - m_offset.y + part.pixels.Height()};
        RECT inView{};
        if (::IntersectRect(&inView, &area, &client)) shown.push_back(inView);
    }
    ::GdiFlush();
    if (m_shownCurrent) {
        for (const RECT& area : shown) ComposePicture(m_shown.dc.get(), area);
    }
    Invalidate(shown);
}

void EditorView::ShowPreview(const Preview& preview, const std::vector<Rect>& changed) {
    m_preview = preview;
    std::vector<RECT> areas;
    areas.reserve(changed.size());
    for (const Rect& area : changed) areas.push_back({area.left, area.top, area.left + area.width, area.top + area.height});
    Invalidate(areas);
}

void EditorView::Invalidate(const std::vector<RECT>& areas) const {
    HWND view = Item(Id(View));
    if (!view || areas.empty()) return;
    UniqueHrgn region(::CreateRectRgn(0, 0, 0, 0));
    for (const RECT& area : areas) {
        const UniqueHrgn part(::CreateRectRgnIndirect(&area));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
    ::InvalidateRgn(view, region.get(), FALSE);
}

// The picture one to one from the offset, and the workspace colour around it (never under it, so
// that nothing flashes).
void EditorView::ComposePicture(HDC dc, const RECT& area) const {
    const LONG pictureRight = m_picture ? m_picture->Width() - m_offset.x : 0;
    const LONG pictureBottom = m_picture ? m_picture->Height() - m_offset.y : 0;
    RECT shown{};
    const RECT picture{0, 0, pictureRight, pictureBottom};
    bool drawn = false;
    if (m_picture && ::IntersectRect(&shown, &area, &picture)) {
        std::optional<PictureDc> given;
        HDC source = nullptr;
        if (m_canvas) {
            source = m_canvas->Dc();
        } else if (given.emplace(*m_picture); *given) {
            source = given->get();
        }
        if (source) {
            ::BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, source,
                     shown.left + m_offset.x, shown.top + m_offset.y, SRCCOPY);
            drawn = true;
        }
    }
    HBRUSH workspace = ::GetSysColorBrush(COLOR_APPWORKSPACE);
    if (!drawn) {
        ::FillRect(dc, &area, workspace);
        return;
    }
    const RECT right{std::max(area.left, pictureRight), area.top, area.right, area.bottom};
    const RECT below{area.left, std::max(area.top, pictureBottom), std::min(area.right, pictureRight), area.bottom};
    if (right.left < right.right) ::FillRect(dc, &right, workspace);
    if (below.top < below.bottom && below.left < below.right) ::FillRect(dc, &below, workspace);
}

bool EditorView::Buffer::Prepare(Size wanted) {
    if (dc && size == wanted) return true;
    selected.reset();
    bitmap.reset();
    dc.reset(::CreateCompatibleDC(nullptr));
    const WindowDc screen(nullptr, false);
    bitmap.reset(::CreateCompatibleBitmap(screen.get(), std::max(1, wanted.width), std::max(1, wanted.height)));
    if (!dc || !bitmap) {
        dc.reset();
        return false;
    }
    selected.emplace(dc.get(), bitmap.get());
    size = wanted;
    return true;
}

void EditorView::Buffer::Release() {
    selected.reset();
    bitmap.reset();
    dc.reset();
    size = {};
}

// Only what changed is composed, off the screen, and copied to it at once: the picture from the
// view as it was last shown (in the display's format, so the copy is a plain one), then the
// preview over it. The picture is converted again only when it, its offset or the view changes.
void EditorView::Paint(HWND view) {
    UniqueHrgn update(::CreateRectRgn(0, 0, 0, 0));
    const bool clip = update && ::GetUpdateRgn(view, update.get(), FALSE) == COMPLEXREGION;
    const PaintGuard paint(view);
    if (!paint.dc()) return;
    RECT client{};
    ::GetClientRect(view, &client);
    const Size size{client.right, client.bottom};
    const RECT& area = paint.area();
    if (m_shown.size != size) m_shownCurrent = false;
    if (!m_shown.Prepare(size) || !m_back.Prepare(size)) {
        ComposePicture(paint.dc(), area);
        GdiDrawing onScreen(paint.dc());
        m_preview.DrawOn(onScreen);
        return;
    }
    if (!m_shownCurrent) {
        ComposePicture(m_shown.dc.get(), client);
        m_shownCurrent = true;
    }
    HDC back = m_back.dc.get();
    if (clip) ::SelectClipRgn(back, update.get());
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    ::BitBlt(back, area.left, area.top, width, height, m_shown.dc.get(), area.left, area.top, SRCCOPY);
    GdiDrawing drawing(back);
    m_preview.DrawOn(drawing);
    ::SelectClipRgn(back, nullptr);
    ::BitBlt(paint.dc(), area.left, area.top, width, height, back, area.left, area.top, SRCCOPY);
}

// The region as the view would show it without the preview, composed apart from the screen, so
// that nothing over the view or beside it can get into the copy.
PicturePtr EditorView::CopyFromView(const Rect& region) {
    if (!Item(Id(View)) || region.width <= 0 || region.height <= 0) return nullptr;
    UniqueMemoryDc memory(::CreateCompatibleDC(nullptr));
    UniqueHbitmap bitmap;
    {
        const WindowDc screen(nullptr, false);
        bitmap.reset(::CreateCompatibleBitmap(screen.get(), region.width, region.height));
    }
    if (!memory || !bitmap) return nullptr;
    ScopedSelectObject selected(memory.get(), bitmap.get());
    ::SetViewportOrgEx(memory.get(), -region.left, -region.top, nullptr);
    ComposePicture(memory.get(), {region.left, region.top, region.left + region.width, region.top + region.height});
    return DCToPicture(memory.get(), region.left, region.top, region.width, region.height, 1.0f);
}

// The view reports every button press, whichever button it was, every move, and every release,
// also of a drag that ends outside it: it holds the mouse from press to release.
LRESULT EditorView::OnMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> handled = m_field.OnViewMessage(view, message, wParam, lParam)) return *handled;
    const Point point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT: Paint(view); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_GETDLGCODE: return DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            m_shiftHeld = (wParam & MK_SHIFT) != 0;
            ::SetFocus(view);
            ::SetCapture(view);
            if (m_presenter) m_presenter->OnMouseDown(point);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click is a press as well, then the double click.
            m_shiftHeld = (wParam & MK_SHIFT) != 0;
            ::SetFocus(view);
            ::SetCapture(view);
            if (m_presenter) m_presenter->OnMouseDown(point);
            if (m_presenter) m_presenter->OnDoubleClick(point);
            return 0;
        case WM_MOUSEMOVE:
            if (m_presenter) m_presenter->OnMouseMove(point);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            m_shiftHeld = (wParam & MK_SHIFT) != 0;
            if (::GetCapture() == view) ::ReleaseCapture();
            if (m_presenter) m_presenter->OnMouseUp(point);
            return 0;
        case WM_CHAR:
            if (m_presenter) m_presenter->OnCharacter(static_cast<char32_t>(wParam));
            return 0;
        default: break;
    }
    return ::DefWindowProcW(view, message, wParam, lParam);
}

// --- scrolling ---

// A picture smaller than the view has a negative maximum, which the bar itself cannot hold. The
// thumb is as long as the view is in steps, and its last position is the maximum.
void EditorView::SetScrollMaximum(ControlId bar, int maximum) {
    m_scrollMaximum[bar == Id(VerticalScroll) ? 1 : 0] = maximum;
    RECT bounds{};
    ::GetWindowRect(Item(bar), &bounds);
    const int length = std::max(bounds.right - bounds.left, bounds.bottom - bounds.top);
    const int page = std::max(1, static_cast<int>(length) / kScrollStep);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, maximum) + page - 1;
    info.nPage = static_cast<UINT>(page);
    ::SetScrollInfo(Item(bar), SB_CTL, &info, TRUE);
}

int EditorView::ScrollValue(ControlId bar) const {
    return ::GetScrollPos(Item(bar), SB_CTL);
}

void EditorView::SetScrollValue(ControlId bar, int value) {
    ::SetScrollPos(Item(bar), SB_CTL, value, TRUE);
}

void EditorView::ScrollBy(EditorControl bar, int steps) {
    HWND item = Item(Id(bar));
    if (!item || !::IsWindowVisible(item)) return;
    const int maximum = std::max(0, m_scrollMaximum[bar == VerticalScroll ? 1 : 0]);
    const int value = std::clamp(ScrollValue(Id(bar)) + steps, 0, maximum);
    if (value == ScrollValue(Id(bar))) return;
    SetScrollValue(Id(bar), value);
    if (m_presenter) m_presenter->OnScroll();
}

void EditorView::OnWheel(int delta) {
    ScrollBy(VerticalScroll, -delta / WHEEL_DELTA);
}

bool EditorView::OnScrollBar(HWND bar, int code) {
    if (!bar || (bar != Item(Id(HorizontalScroll)) && bar != Item(Id(VerticalScroll)))) return false;
    const EditorControl control = bar == Item(Id(VerticalScroll)) ? VerticalScroll : HorizontalScroll;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(bar, SB_CTL, &info);
    switch (code) {
        case SB_LINELEFT: ScrollBy(control, -1); break;
        case SB_LINERIGHT: ScrollBy(control, 1); break;
        case SB_PAGELEFT: ScrollBy(control, -std::max(1, static_cast<int>(info.nPage) - 1)); break;
        case SB_PAGERIGHT: ScrollBy(control, std::max(1, static_cast<int>(info.nPage) - 1)); break;
        case SB_LEFT: ScrollBy(control, -info.nPos); break;
        case SB_RIGHT: ScrollBy(control, info.nMax - static_cast<int>(info.nPage) + 1 - info.nPos); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollBy(control, info.nTrackPos - info.nPos); break;
        default: break;
    }
    return true;
}

}  // namespace snapwright::win32
