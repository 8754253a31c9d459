#include "editor/win32/EditorWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>

#include "editor/win32/EditorWindowIds.h"
#include "editor/win32/GdiDrawing.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

using enum EditorControl;

namespace {

constexpr wchar_t kViewClass[] = L"SnapwrightEditorView";
// Dialog item ids: clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int kFirstItem = 1000;

// Toolbar layout at 96 dots per inch.
constexpr int kMargin = 4;
constexpr int kButtonSize = 30;
constexpr int kButtonGap = 2;
constexpr int kGroupGap = 10;
constexpr int kViewGap = 6;

constexpr int kTextFieldItem = 1;
// Posted to the view when the text field lost the focus to another control of the editor.
constexpr UINT kTextFieldLeftMessage = WM_APP + 1;

int ItemOf(ControlId control) {
    return kFirstItem + control;
}

bool HasVisibleStyle(HWND item) {
    return (::GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE) != 0;
}

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

EditorWindow::EditorWindow(HINSTANCE instance, HICON icon) : m_instance(instance), m_form(instance, IDD_EDITOR) {
    m_form.Attach(*this, icon);
    m_form.PlaceByItself();
}

// The window goes before the members its messages reach.
EditorWindow::~EditorWindow() {
    m_form.Unload();
}

HWND EditorWindow::Item(ControlId control) const {
    return m_window ? ::GetDlgItem(m_window, ItemOf(control)) : nullptr;
}

// The window is made when it is first shown and lives until it is closed; it then starts afresh.
// It covers the work area of the monitor the user works on, the one of the mouse pointer.
void EditorWindow::OnLoad() {
    m_window = m_form.Handle();
    m_dpi = WindowDpi(m_window);
    ::SetWindowTextW(m_window, ToWide(kEditorCaption).c_str());
    const Rect area = PointerWorkArea();
    ::SetWindowPos(m_window, nullptr, area.left, area.top, area.width, area.height, SWP_NOZORDER | SWP_NOACTIVATE);
    CreateControls();
    LayOutToolbar();
    if (m_presenter) m_presenter->OnLoad();
    // The buttons the presenter hid leave no gaps.
    LayOutToolbar();
}

// The controls' texts and tips are the presenter's, in the user's language (Editor::OnLoad).
HWND EditorWindow::Make(ControlId control, const wchar_t* className, DWORD style) {
    HWND item = ::CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, m_window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ItemOf(control))), m_instance, this);
    if (!item) throw Win32Error(::GetLastError(), "CreateWindowExW");
    m_form.Bind(control, ItemOf(control));
    return item;
}

// A tip replaced is taken away and given anew: the tooltip control keeps its own copy of the text.
void EditorWindow::SetTip(ControlId control, const std::string& tip) {
    HWND item = Item(control);
    if (!item || !m_tooltip) return;
    std::wstring text = ToWide(tip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(item);
    ::SendMessageW(m_tooltip.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (text.empty()) return;
    tool.lpszText = text.data();
    ::SendMessageW(m_tooltip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void EditorWindow::SetTextFont(const std::string& face, int points) {
    m_fontFace = ToWide(face);
    m_fontPoints = points;
    if (m_window) LayOutToolbar();
}

// In the tab order of the toolbar: its buttons, the line strength, the colour and help.
void EditorWindow::CreateControls() {
    WNDCLASSEXW viewClass{};
    viewClass.cbSize = sizeof(viewClass);
    if (!::GetClassInfoExW(m_instance, kViewClass, &viewClass)) {
        viewClass.lpfnWndProc = &WindowProcedure<&EditorWindow::OnViewMessage>;
        viewClass.hInstance = m_instance;
        viewClass.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
        viewClass.lpszClassName = kViewClass;
        if (!::RegisterClassExW(&viewClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");
    }
    m_tooltip.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr,
                                      m_instance, nullptr));
    // Wine measures some tips a letter short of what it draws; a margin on each side keeps their
    // last letter in the box.
    const RECT margin{Scaled(4), Scaled(1), Scaled(4), Scaled(1)};
    ::SendMessageW(m_tooltip.get(), TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    if (m_presenter) {
        const auto& toolbar = m_presenter->Toolbar();
        for (std::size_t i = 0; i < toolbar.size(); ++i) {
            Make(ToolbarControl(i), WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP);
        }
    }
    Make(Id(StrengthLabel), WC_STATICW, WS_VISIBLE | SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX);
    Make(Id(StrengthList), WC_COMBOBOXW, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    Make(Id(TextSizeLabel), WC_STATICW, SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX);
    Make(Id(TextSizeList), WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    Make(Id(ColourButton), WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW);
    Make(Id(HelpButton), WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP);
    Make(Id(View), kViewClass, WS_VISIBLE | WS_CLIPCHILDREN);
    Make(Id(HorizontalScroll), WC_SCROLLBARW, SBS_HORZ);
    Make(Id(VerticalScroll), WC_SCROLLBARW, SBS_VERT);
}

// A toolbar picture at the window's scale; its light grey becomes the button face.
HBITMAP EditorWindow::LoadPicture(ToolbarPicture picture) const {
    constexpr int kPictureSize = 24;
    return static_cast<HBITMAP>(::LoadImageW(m_instance, MAKEINTRESOURCEW(static_cast<int>(picture)), IMAGE_BITMAP,
                                             Scaled(kPictureSize), Scaled(kPictureSize), LR_LOADMAP3DCOLORS));
}

// The wider of the strength's and the text size's labels in the toolbar's font, which take turns in
// one place: as wide as each language's words need.
int EditorWindow::LabelWidth() const {
    const WindowDc dc(m_window, false);
    const ScopedSelectObject font(dc.get(), m_font.get());
    int width = 0;
    for (const EditorControl label : {StrengthLabel, TextSizeLabel}) {
        const std::wstring text = ToWide(WindowText(Item(Id(label))));
        SIZE extent{};
        ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
        width = std::max<int>(width, extent.cx);
    }
    return width;
}

// The toolbar, its font (the language's) and pictures at the window's scale, and the view's corner
// below it. The buttons that show stand in a row, the groups apart; the view's size and the scroll
// bars follow from the window's size (Editor::OnResize).
void EditorWindow::LayOutToolbar() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = -::MulDiv(m_fontPoints, m_dpi, 72);
    lstrcpynW(face.lfFaceName, m_fontFace.c_str(), LF_FACESIZE);
    UniqueHfont font(::CreateFontIndirectW(&face));
    for (HWND child = ::GetWindow(m_window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    // The previous font and pictures may only go once the controls have let go of them.
    m_font = std::move(font);

    const int size = Scaled(kButtonSize);
    const int top = Scaled(kMargin);
    std::vector<UniqueHbitmap> pictures;
    const auto place = [&](ControlId control, ToolbarPicture picture, int x) {
        HWND item = Item(control);
        UniqueHbitmap bitmap(LoadPicture(picture));
        ::SendMessageW(item, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
        pictures.push_back(std::move(bitmap));
        ::MoveWindow(item, x, top, size, size, FALSE);
    };
    int x = Scaled(kMargin);
    if (m_presenter) {
        const auto& toolbar = m_presenter->Toolbar();
        for (std::size_t i = 0; i < toolbar.size(); ++i) {
            if (i > 0 && toolbar[i].group != toolbar[i - 1].group) x += Scaled(kGroupGap - kButtonGap);
            if (!HasVisibleStyle(Item(ToolbarControl(i)))) continue;
            place(ToolbarControl(i), toolbar[i].picture, x);
            x += size + Scaled(kButtonGap);
        }
        x += Scaled(kGroupGap - kButtonGap);
    }
    // The text sizes take the strengths' place while the text tool is active.
    const int labelWidth = std::max(Scaled(40), LabelWidth() + Scaled(2));
    for (const auto& [label, list] : {std::pair{StrengthLabel, StrengthList}, {TextSizeLabel, TextSizeList}}) {
        ::MoveWindow(Item(Id(label)), x, top, labelWidth, size, FALSE);
        ::MoveWindow(Item(Id(list)), x + labelWidth + Scaled(4), top + (size - Scaled(22)) / 2, Scaled(64), Scaled(220),
                     FALSE);
    }
    x += labelWidth + Scaled(4 + 64 + kButtonGap + 4);
    ::MoveWindow(Item(Id(ColourButton)), x, top, size, size, FALSE);
    x += size + Scaled(kGroupGap);
    place(Id(HelpButton), ToolbarPicture::Help, x);
    m_pictures = std::move(pictures);

    const Rect view = ControlBounds(Id(View));
    ::MoveWindow(Item(Id(View)), Scaled(kMargin), top + size + Scaled(kViewGap), view.width, view.height, FALSE);
    // Controls moved without painting keep whatever lay under them: all are painted anew.
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// On a monitor of another scale the toolbar is laid out anew at that scale, and the view follows
// the window's new size. The picture keeps its pixels.
bool EditorWindow::OnDpiChanged(int dpi) {
    m_dpi = dpi;
    LayOutToolbar();
    if (m_presenter) m_presenter->OnResize();
    return true;
}

void EditorWindow::OnClick(ControlId control) {
    if (m_presenter) m_presenter->OnClick(control);
}

// The user may keep the window to save his changes first.
void EditorWindow::OnCloseRequest() {
    if (!m_presenter || m_presenter->OnClose()) m_form.Unload();
}

// While text is typed its field has the keys, but for those that end the typing. The tools' plain
// letters choose them only from the view, where no typing is going on.
bool EditorWindow::OnKey(const KeyPress& key) {
    if (!m_presenter) return false;
    HWND focus = ::GetFocus();
    if (m_textField && focus == m_textField.get()) return OnTextFieldKey(key);
    const bool plainLetter = !key.ctrl && !key.alt && key.code >= 'A' && key.code <= 'Z';
    if (plainLetter && focus != Item(Id(View))) return false;
    return m_presenter->OnKey(key);
}

bool EditorWindow::OnTextFieldKey(const KeyPress& key) {
    if (key == KeyPress{kKeyReturn, false, true, false}) {
        ::SendMessageW(m_textField.get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
        return true;
    }
    if (key == KeyPress{kKeyReturn} || key == KeyPress{kKeyEscape}) return m_presenter->OnKey(key);
    return false;
}

std::optional<INT_PTR> EditorWindow::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL: {
            HWND bar = reinterpret_cast<HWND>(lParam);
            if (!bar || (bar != Item(Id(HorizontalScroll)) && bar != Item(Id(VerticalScroll)))) break;
            OnScrollBar(bar, LOWORD(wParam));
            return TRUE;
        }
        case WM_MOUSEWHEEL:
            ScrollBy(VerticalScroll, -GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            return TRUE;
        case WM_DRAWITEM:
            if (wParam != static_cast<WPARAM>(ItemOf(Id(ColourButton)))) break;
            DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED && m_presenter && Item(Id(View))) m_presenter->OnResize();
            break;
        case WM_DESTROY: m_tooltip.reset(); break;
        case WM_NCDESTROY: Unloaded(); break;
        default: break;
    }
    return std::nullopt;
}

void EditorWindow::Unloaded() {
    m_window = nullptr;
    m_pictures.clear();
    m_viewPicture.reset();
    m_preview = {};
    m_shown.Release();
    m_back.Release();
}

// --- the view ---

void EditorWindow::ShowPicture(PicturePtr picture, Point offset) {
    m_viewPicture = std::move(picture);
    m_viewOffset = offset;
    m_shownCurrent = false;
    if (HWND view = Item(Id(View))) ::InvalidateRect(view, nullptr, FALSE);
}

void EditorWindow::ShowPreview(const Preview& preview, const std::vector<Rect>& changed) {
    m_preview = preview;
    HWND view = Item(Id(View));
    if (!view || changed.empty()) return;
    // One region for all the changes: each invalidation is a round trip to the window manager.
    UniqueHrgn region(::CreateRectRgn(0, 0, 0, 0));
    for (const Rect& area : changed) {
        const UniqueHrgn part(::CreateRectRgn(area.left, area.top, area.left + area.width, area.top + area.height));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
    ::InvalidateRgn(view, region.get(), FALSE);
}

// The picture one to one from the offset, and the workspace colour around it (never under it, so
// that nothing flashes).
void EditorWindow::ComposePicture(HDC dc, const RECT& area) const {
    const LONG pictureRight = m_viewPicture ? m_viewPicture->Width() - m_viewOffset.x : 0;
    const LONG pictureBottom = m_viewPicture ? m_viewPicture->Height() - m_viewOffset.y : 0;
    RECT shown{};
    const RECT picture{0, 0, pictureRight, pictureBottom};
    bool drawn = false;
    if (m_viewPicture && ::IntersectRect(&shown, &area, &picture)) {
        PictureDc source(*m_viewPicture);
        if (source) {
            ::BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, source.get(),
                     shown.left + m_viewOffset.x, shown.top + m_viewOffset.y, SRCCOPY);
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

bool EditorWindow::ViewBuffer::Prepare(Size wanted) {
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

void EditorWindow::ViewBuffer::Release() {
    selected.reset();
    bitmap.reset();
    dc.reset();
    size = {};
}

// Only what changed is composed, off the screen, and copied to it at once: the picture from the
// view as it was last shown (in the display's format, so the copy is a plain one), then the
// preview over it. The picture is converted again only when it, its offset or the view changes.
void EditorWindow::PaintView(HWND view) {
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
PicturePtr EditorWindow::CopyFromView(const Rect& region) {
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
LRESULT EditorWindow::OnViewMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    const Point point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT: PaintView(view); return 0;
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
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) != m_textField.get()) break;
            ::SetTextColor(reinterpret_cast<HDC>(wParam), m_textColour);
            ::SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) != m_textField.get() || !m_textField) break;
            if (HIWORD(wParam) == EN_CHANGE) FitTextField();
            // The field may not go while it is telling that it lost the focus: later.
            if (HIWORD(wParam) == EN_KILLFOCUS) ::PostMessageW(view, kTextFieldLeftMessage, 0, lParam);
            return 0;
        case kTextFieldLeftMessage: OnTextFieldLeft(reinterpret_cast<HWND>(lParam)); return 0;
        default: break;
    }
    return ::DefWindowProcW(view, message, wParam, lParam);
}

// --- the text field ---

// The field has no border and no margins, so that its text stands where it goes into the picture.
void EditorWindow::BeginText(const Rect& box, Colour colour, int pixelHeight) {
    HWND view = Item(Id(View));
    if (!view) return;
    if (!m_textField) {
        // Without horizontal scrolling the field wraps its lines, as the text in a box is wrapped.
        const DWORD wrap = box.width > 0 ? 0 : ES_AUTOHSCROLL;
        const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | wrap;
        m_textField.reset(::CreateWindowExW(0, WC_EDITW, L"", style, box.left, box.top, 0, 0, view,
                                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextFieldItem)), m_instance,
                                            nullptr));
        if (!m_textField) return;
    }
    // The field lets go of its previous font before that font goes.
    UniqueHfont font = TextFont(pixelHeight);
    ::SendMessageW(m_textField.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    m_textFont = std::move(font);
    m_textColour = colour;
    m_textHeight = pixelHeight;
    m_textBox = box;
    ::SendMessageW(m_textField.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    FitTextField();
    ::InvalidateRect(m_textField.get(), nullptr, TRUE);
    ::SetFocus(m_textField.get());
}

// The field leaves the focus to the view before it goes, so that the keys find the tools again.
std::string EditorWindow::EndText() {
    UniqueHwnd field(m_textField.release());
    if (!field) return {};
    std::string text = WindowText(field.get());
    if (::GetFocus() == field.get()) ::SetFocus(Item(Id(View)));
    field.reset();
    m_textFont.reset();
    return text;
}

// The field grows with its text, a letter ahead of it, and never below the box it was given; in a
// box of its own width it only grows downwards, so that it wraps where the picture's text will.
void EditorWindow::FitTextField() {
    if (!m_textField) return;
    const std::wstring text = ToWide(WindowText(m_textField.get()) + "W");
    const WindowDc dc(m_textField.get(), false);
    ScopedSelectObject font(dc.get(), m_textFont.get());
    RECT area{0, 0, m_textBox.width, 0};
    const UINT layout = TextLayout(m_textBox.width) | DT_CALCRECT;
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &area, layout);
    const int width = m_textBox.width > 0 ? m_textBox.width : area.right + m_textHeight;
    ::MoveWindow(m_textField.get(), m_textBox.left, m_textBox.top, width,
                 std::max<int>(m_textBox.height, area.bottom + 2), TRUE);
    // A multi-line field takes a new line only with room to scroll to it; it may have scrolled
    // before it grew, and now shows all its text from the start again.
    ::SendMessageW(m_textField.get(), WM_VSCROLL, SB_TOP, 0);
    ::SendMessageW(m_textField.get(), WM_HSCROLL, SB_LEFT, 0);
}

// A click or Tab elsewhere in the editor puts the text in, but not a choice of its size or
// colour, and not another window coming to the front.
void EditorWindow::OnTextFieldLeft(HWND field) {
    if (!m_textField || field != m_textField.get() || !m_presenter) return;
    HWND focus = ::GetFocus();
    if (!focus || focus == field || !::IsChild(m_window, focus)) return;
    HWND sizes = Item(Id(TextSizeList));
    if (focus == sizes || ::IsChild(sizes, focus) || focus == Item(Id(ColourButton))) return;
    m_presenter->OnKey(KeyPress{kKeyReturn});
}

// --- layout, scroll bars, buttons ---

Size EditorWindow::ClientSize() const {
    RECT client{};
    if (m_window) ::GetClientRect(m_window, &client);
    return {client.right, client.bottom};
}

Rect EditorWindow::ControlBounds(ControlId control) const {
    HWND item = Item(control);
    RECT rect{};
    if (!item || !::GetWindowRect(item, &rect)) return {};
    ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void EditorWindow::SetControlBounds(ControlId control, const Rect& bounds) {
    ::SetWindowPos(Item(control), HWND_TOP, bounds.left, bounds.top, std::max(0, bounds.width),
                   std::max(0, bounds.height), SWP_NOACTIVATE);
}

int EditorWindow::ScrollBarThickness() const {
    return SystemMetricForDpi(SM_CXVSCROLL, m_dpi);
}

// A picture smaller than the view has a negative maximum, which the bar itself cannot hold. The
// thumb is as long as the view is in steps, and its last position is the maximum.
void EditorWindow::SetScrollMaximum(ControlId bar, int maximum) {
    m_scrollMaximum[bar == Id(VerticalScroll) ? 1 : 0] = maximum;
    const Rect bounds = ControlBounds(bar);
    const int page = std::max(1, std::max(bounds.width, bounds.height) / kScrollStep);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, maximum) + page - 1;
    info.nPage = static_cast<UINT>(page);
    ::SetScrollInfo(Item(bar), SB_CTL, &info, TRUE);
}

int EditorWindow::ScrollValue(ControlId bar) const {
    return ::GetScrollPos(Item(bar), SB_CTL);
}

void EditorWindow::SetScrollValue(ControlId bar, int value) {
    ::SetScrollPos(Item(bar), SB_CTL, value, TRUE);
}

void EditorWindow::ScrollBy(EditorControl bar, int steps) {
    HWND item = Item(Id(bar));
    if (!item || !::IsWindowVisible(item)) return;
    const int maximum = std::max(0, m_scrollMaximum[bar == VerticalScroll ? 1 : 0]);
    const int value = std::clamp(ScrollValue(Id(bar)) + steps, 0, maximum);
    if (value == ScrollValue(Id(bar))) return;
    SetScrollValue(Id(bar), value);
    if (m_presenter) m_presenter->OnScroll();
}

void EditorWindow::OnScrollBar(HWND bar, int code) {
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
}

void EditorWindow::SetButtonPressed(ControlId button, bool pressed) {
    ::SendMessageW(Item(button), BM_SETSTATE, pressed ? 1 : 0, 0);
}

void EditorWindow::ShowColour(ControlId button, Colour colour) {
    m_colour = colour;
    ::InvalidateRect(Item(button), nullptr, TRUE);
}

void EditorWindow::DrawColourButton(const DRAWITEMSTRUCT& item) const {
    RECT rect = item.rcItem;
    ::DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    const int inset = Scaled(6);
    ::InflateRect(&rect, -inset, -inset);
    UniqueHbrush swatch(::CreateSolidBrush(m_colour));
    ::FillRect(item.hDC, &rect, swatch.get());
    ::FrameRect(item.hDC, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -Scaled(3), -Scaled(3));
        ::DrawFocusRect(item.hDC, &focus);
    }
}

// The system's colour dialog, opened without the colour it starts from and without the custom
// colours of an earlier choice.
std::optional<Colour> EditorWindow::ChooseColour(Colour) {
    COLORREF custom[16] = {};
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = m_window;
    choice.hInstance = reinterpret_cast<HWND>(m_instance);
    choice.rgbResult = 0;
    choice.lpCustColors = custom;
    choice.Flags = CC_SOLIDCOLOR;
    if (!::ChooseColorW(&choice)) return std::nullopt;
    return static_cast<Colour>(choice.rgbResult);
}

EditorAnswer EditorWindow::Ask(const std::string& text, const std::string& title, EditorQuestion question) {
    const UINT buttons = question == EditorQuestion::YesNoCancel ? MB_YESNOCANCEL : MB_YESNO;
    switch (::MessageBoxW(m_window, ToWide(text).c_str(), ToWide(title).c_str(), buttons | MB_ICONQUESTION)) {
        case IDYES: return EditorAnswer::Yes;
        case IDNO: return EditorAnswer::No;
        default: return EditorAnswer::Cancel;
    }
}

void EditorWindow::Inform(const std::string& text, const std::string& title) {
    ::MessageBoxW(m_window, ToWide(text).c_str(), ToWide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace snapwright::win32
