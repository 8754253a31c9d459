#include "editor/win32/EditorWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>

#include "editor/win32/EditorWindowIds.h"
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

constexpr wchar_t kWindowClass[] = L"SnapwrightEditor";
constexpr wchar_t kViewClass[] = L"SnapwrightEditorView";
constexpr int kControlCount = static_cast<int>(TextButton) + 1;
constexpr int kFirstControlId = 100;

// Toolbar layout at 96 dots per inch.
constexpr int kMargin = 4;
constexpr int kButtonSize = 30;
constexpr int kButtonGap = 2;
constexpr int kGroupGap = 10;
constexpr int kViewGap = 6;

struct ToolbarButton {
    EditorControl control;
    const wchar_t* name;  // the window text, which screen readers and test drivers find it by
    const wchar_t* tip;
    int picture;
};

// In the order of the toolbar; each suite's programs share the same three places.
constexpr ToolbarButton kButtons[] = {
    {NewButton, L"New", L"New: start with an empty picture", IDB_TOOL_NEW},
    {OpenButton, L"Open", L"Open an image file", IDB_TOOL_OPEN},
    {SaveButton, L"Save", L"Save the picture", IDB_TOOL_SAVE},
    {PrintButton, L"Print", L"Print the picture", IDB_TOOL_PRINT},
    {CopyButton, L"Copy", L"Copy the picture to the clipboard", IDB_TOOL_COPY},
    {WordButton, L"Word", L"Send the picture to Microsoft Word", IDB_TOOL_WORD},
    {ExcelButton, L"Excel", L"Send the picture to Microsoft Excel", IDB_TOOL_EXCEL},
    {PowerPointButton, L"PowerPoint", L"Send the picture to Microsoft PowerPoint", IDB_TOOL_POWERPOINT},
    {UndoButton, L"Undo", L"Undo the last change", IDB_TOOL_UNDO},
    {ZoomButton, L"Zoom", L"Zoom: mark a region with two clicks, place its enlargement with a third",
     IDB_TOOL_ZOOM},
    {CropButton, L"Crop", L"Crop: click where the nearest corner of the picture should move to", IDB_TOOL_CROP},
    {FrameButton, L"Frame", L"Frame: click two opposite corners", IDB_TOOL_FRAME},
    {EllipseButton, L"Ellipse", L"Ellipse: click two opposite corners", IDB_TOOL_ELLIPSE},
    {TextButton, L"Text", L"Text", IDB_TOOL_TEXT},
    {WriterButton, L"Writer", L"Send the picture to Writer", IDB_TOOL_WRITER},
    {CalcButton, L"Calc", L"Send the picture to Calc", IDB_TOOL_CALC},
    {ImpressButton, L"Impress", L"Send the picture to Impress", IDB_TOOL_IMPRESS},
};

// Where each toolbar button sits, counted in buttons and group gaps from the left.
struct Slot {
    int buttons;
    int gaps;
};
Slot SlotOf(EditorControl control) {
    switch (control) {
        case NewButton: return {0, 0};
        case OpenButton: return {1, 0};
        case SaveButton: return {2, 0};
        case PrintButton: return {3, 0};
        case CopyButton: return {4, 0};
        case WordButton:
        case WriterButton: return {5, 1};
        case ExcelButton:
        case CalcButton: return {6, 1};
        case PowerPointButton:
        case ImpressButton: return {7, 1};
        case UndoButton: return {8, 2};
        case ZoomButton: return {9, 3};
        case CropButton: return {10, 3};
        case FrameButton: return {11, 3};
        case EllipseButton: return {12, 3};
        case TextButton: return {13, 3};
        default: return {14, 4};  // the strength, colour and help controls follow
    }
}

int ControlIdOf(EditorControl control) {
    return kFirstControlId + static_cast<int>(control);
}

}  // namespace

EditorWindow::EditorWindow(HINSTANCE instance, HICON icon)
    : m_instance(instance),
      m_icon(icon),
      m_markers([this] { return m_window ? ::GetDC(Item(Id(View))) : nullptr; },
                [this](HDC dc) { ::ReleaseDC(Item(Id(View)), dc); }) {}

EditorWindow::~EditorWindow() {
    if (m_window) ::DestroyWindow(m_window);
}

HWND EditorWindow::Item(ControlId control) const {
    if (control < 0 || control >= static_cast<int>(m_controls.size())) return nullptr;
    return m_controls[static_cast<std::size_t>(control)];
}

// The window is made when it is first shown and lives until it is closed; it then starts afresh.
void EditorWindow::Load() {
    if (m_window) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExW(m_instance, kWindowClass, &windowClass)) {
        windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &WindowProcedure<&EditorWindow::OnMessage>;
        windowClass.hInstance = m_instance;
        windowClass.hIcon = m_icon;
        windowClass.hIconSm = m_icon;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kWindowClass;
        if (!::RegisterClassExW(&windowClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");

        WNDCLASSEXW viewClass{};
        viewClass.cbSize = sizeof(viewClass);
        viewClass.lpfnWndProc = &WindowProcedure<&EditorWindow::OnViewMessage>;
        viewClass.hInstance = m_instance;
        viewClass.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
        viewClass.lpszClassName = kViewClass;
        if (!::RegisterClassExW(&viewClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");
    }

    // The window covers the work area of the monitor the user works on: the one of the mouse
    // pointer. Made there, it also takes that monitor's scale.
    const Rect area = PointerWorkArea();
    HWND window = ::CreateWindowExW(0, kWindowClass, ToWide(kEditorCaption).c_str(),
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, area.left, area.top, area.width, area.height,
                                    nullptr, nullptr, m_instance, this);
    if (!window) throw Win32Error(::GetLastError(), "CreateWindowExW");
    if (m_presenter) m_presenter->OnLoad();
}

// A toolbar picture at the display's scale; its light grey becomes the button face.
HBITMAP EditorWindow::LoadPicture(int id) const {
    constexpr int kPictureSize = 24;
    return static_cast<HBITMAP>(::LoadImageW(m_instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, Scaled(kPictureSize),
                                             Scaled(kPictureSize), LR_LOADMAP3DCOLORS));
}

void EditorWindow::CreateControls() {
    m_dpi = WindowDpi(m_window);
    m_controls.assign(kControlCount, nullptr);
    const auto make = [this](EditorControl control, const wchar_t* className, const wchar_t* text, DWORD style) {
        HWND item = ::CreateWindowExW(0, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, m_window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(control))),
                                      m_instance, this);
        m_controls[static_cast<std::size_t>(control)] = item;
        return item;
    };

    m_tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr,
                                  m_instance, nullptr);
    const auto tip = [this](HWND item, const wchar_t* text) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(item);
        tool.lpszText = const_cast<wchar_t*>(text);
        ::SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };

    for (const ToolbarButton& button : kButtons) {
        tip(make(button.control, WC_BUTTONW, button.name, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP),
            button.tip);
    }
    // Line strength and colour of the frame and ellipse tools, then help and the notice.
    make(StrengthLabel, WC_STATICW, L"Border:", WS_VISIBLE | SS_RIGHT | SS_CENTERIMAGE);
    tip(make(StrengthList, WC_COMBOBOXW, L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST),
        L"Line strength of frames and ellipses");
    tip(make(ColourButton, WC_BUTTONW, L"Colour", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW),
        L"Colour of frames and ellipses");
    tip(make(HelpButton, WC_BUTTONW, L"Help", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP), L"Help");
    make(Notice, WC_STATICW, L"This Module will be completed in Snapwright V1.1.10 and later! Please be patient!",
         WS_VISIBLE | SS_LEFT | SS_NOPREFIX);
    make(View, kViewClass, L"", WS_VISIBLE);
    make(HorizontalScroll, WC_SCROLLBARW, L"", SBS_HORZ);
    make(VerticalScroll, WC_SCROLLBARW, L"", SBS_VERT);
    LayOutToolbar();
}

// The toolbar, its font and pictures at the window's scale, and the view's corner below it; the
// view's size and the scroll bars follow from the window's size (OnResize).
void EditorWindow::LayOutToolbar() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = -::MulDiv(8, m_dpi, 72);
    lstrcpynW(face.lfFaceName, L"Arial", LF_FACESIZE);
    UniqueHfont font(::CreateFontIndirectW(&face));
    for (HWND item : m_controls) ::SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    // The previous font and pictures may only go once the controls have let go of them.
    m_font = std::move(font);

    const int size = Scaled(kButtonSize);
    const int top = Scaled(kMargin);
    const auto left = [this](Slot slot) {
        return Scaled(kMargin + slot.buttons * (kButtonSize + kButtonGap) + slot.gaps * kGroupGap);
    };
    std::vector<UniqueHbitmap> pictures;
    const auto place = [&](EditorControl control, int picture, int x) {
        HWND item = Item(Id(control));
        UniqueHbitmap bitmap(LoadPicture(picture));
        ::SendMessageW(item, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
        pictures.push_back(std::move(bitmap));
        ::MoveWindow(item, x, top, size, size, FALSE);
    };
    for (const ToolbarButton& button : kButtons) place(button.control, button.picture, left(SlotOf(button.control)));

    int x = left(SlotOf(StrengthLabel));
    const int textHeight = Scaled(14);
    ::MoveWindow(Item(Id(StrengthLabel)), x, top, Scaled(40), size, FALSE);
    x += Scaled(44);
    ::MoveWindow(Item(Id(StrengthList)), x, top + (size - Scaled(22)) / 2, Scaled(64), Scaled(220), FALSE);
    x += Scaled(64 + kButtonGap + 4);
    ::MoveWindow(Item(Id(ColourButton)), x, top, size, size, FALSE);
    x += size + Scaled(kGroupGap);
    place(HelpButton, IDB_TOOL_HELP, x);
    x += size + Scaled(kGroupGap);
    ::MoveWindow(Item(Id(Notice)), x, top + (size - 2 * textHeight) / 2, Scaled(250), 2 * textHeight + Scaled(2),
                 FALSE);
    m_pictures = std::move(pictures);

    const Rect view = ControlBounds(Id(View));
    ::MoveWindow(Item(Id(View)), Scaled(kMargin), top + size + Scaled(kViewGap), view.width, view.height, FALSE);
    ::InvalidateRect(m_window, nullptr, TRUE);
}

// Moved onto a monitor of another scale, the editor takes the size the system suggests; its toolbar
// is laid out anew at that scale and the view follows the new size. The picture keeps its pixels.
void EditorWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi > 0 && dpi != m_dpi) {
        m_dpi = dpi;
        LayOutToolbar();
    }
    ::SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_presenter) m_presenter->OnResize();
}

// --- the generic form ---

void EditorWindow::SetText(ControlId control, const std::string& text) {
    ::SetWindowTextW(Item(control), ToWide(text).c_str());
}

std::string EditorWindow::Text(ControlId control) const {
    return WindowText(Item(control));
}

void EditorWindow::SetChecked(ControlId control, bool checked) {
    ::SendMessageW(Item(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool EditorWindow::Checked(ControlId control) const {
    return ::SendMessageW(Item(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void EditorWindow::SetVisible(ControlId control, bool visible) {
    ::ShowWindow(Item(control), visible ? SW_SHOWNA : SW_HIDE);
}

void EditorWindow::SetEnabled(ControlId control, bool enabled) {
    ::EnableWindow(Item(control), enabled ? TRUE : FALSE);
}

void EditorWindow::SetBounds(ControlId control, const Rect& twips) {
    SetControlBounds(control, {::MulDiv(twips.left, m_dpi, 1440), ::MulDiv(twips.top, m_dpi, 1440),
                               ::MulDiv(twips.width, m_dpi, 1440), ::MulDiv(twips.height, m_dpi, 1440)});
}

Rect EditorWindow::Bounds(ControlId control) const {
    const Rect pixels = ControlBounds(control);
    return {::MulDiv(pixels.left, 1440, m_dpi), ::MulDiv(pixels.top, 1440, m_dpi), ::MulDiv(pixels.width, 1440, m_dpi),
            ::MulDiv(pixels.height, 1440, m_dpi)};
}

void EditorWindow::ClearList(ControlId control) {
    ::SendMessageW(Item(control), CB_RESETCONTENT, 0, 0);
}

void EditorWindow::AddListItem(ControlId control, const std::string& text) {
    ::SendMessageW(Item(control), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void EditorWindow::SetListIndex(ControlId control, int index) {
    ::SendMessageW(Item(control), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int EditorWindow::ListIndex(ControlId control) const {
    return static_cast<int>(::SendMessageW(Item(control), CB_GETCURSEL, 0, 0));
}

// Shown from a hotkey, the editor runs its own message loop until it is closed. An editor that is
// open already is only brought to the front.
void EditorWindow::ShowModal() {
    const bool wasOpen = m_window && ::IsWindowVisible(m_window);
    Show();
    if (wasOpen || m_modal) return;
    m_modal = true;
    MSG message{};
    while (m_window) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    m_modal = false;
}

void EditorWindow::Show() {
    Load();
    if (!m_window) return;
    if (::IsIconic(m_window)) ::ShowWindow(m_window, SW_RESTORE);
    ::ShowWindow(m_window, SW_SHOW);
    ::SetForegroundWindow(m_window);
}

void EditorWindow::Hide() {
    if (m_window) ::ShowWindow(m_window, SW_HIDE);
}

void EditorWindow::Unload() {
    if (m_window) ::DestroyWindow(m_window);
}

// --- the view ---

void EditorWindow::SetViewPicture(PicturePtr picture) {
    m_viewPicture = std::move(picture);
}

void EditorWindow::PaintView(Point offset) {
    m_viewOffset = offset;
    HWND view = Item(Id(View));
    if (!view) return;
    RECT area{};
    ::GetClientRect(view, &area);
    const WindowDc dc(view, false);
    if (dc) PaintViewOn(dc.get(), area);
    ::ValidateRect(view, nullptr);
}

// The picture one to one from the offset; what lies beyond it is the workspace colour.
void EditorWindow::PaintViewOn(HDC dc, const RECT& area) const {
    ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    if (!m_viewPicture) return;
    PictureDc source(*m_viewPicture);
    if (!source) return;
    const int width = std::min<int>(area.right, m_viewPicture->Width() - m_viewOffset.x);
    const int height = std::min<int>(area.bottom, m_viewPicture->Height() - m_viewOffset.y);
    if (width > 0 && height > 0) {
        ::BitBlt(dc, 0, 0, width, height, source.get(), m_viewOffset.x, m_viewOffset.y, SRCCOPY);
    }
}

PicturePtr EditorWindow::CopyFromView(const Rect& region) {
    const WindowDc dc(Item(Id(View)), false);
    return dc ? DCToPicture(dc.get(), region.left, region.top, region.width, region.height, 1.0f) : nullptr;
}

std::unique_ptr<IWorkingPicture> EditorWindow::WorkOn(const Picture& picture) {
    return std::make_unique<GdiWorkingPicture>(picture);
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

// A moved control goes on top of those it may now cover (the other suite's buttons).
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

Colour EditorWindow::ButtonColour(ControlId) const {
    return m_colour;
}

void EditorWindow::SetButtonColour(ControlId button, Colour colour) {
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

// --- messages ---

LRESULT EditorWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            m_window = window;
            return ::DefWindowProcW(window, message, wParam, lParam);
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (HIWORD(wParam) == BN_CLICKED && id >= kFirstControlId && id < kFirstControlId + kControlCount && m_presenter) {
                m_presenter->OnButton(static_cast<EditorControl>(id - kFirstControlId));
            }
            return 0;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lParam) OnScrollBar(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            ScrollBy(VerticalScroll, -GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            return 0;
        case WM_DRAWITEM:
            DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED && m_presenter && Item(Id(View))) m_presenter->OnResize();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            // The user may keep the window to save his changes first.
            if (!m_presenter || m_presenter->OnClose()) ::DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (m_tooltip) ::DestroyWindow(m_tooltip);
            m_tooltip = nullptr;
            return 0;
        case WM_NCDESTROY:
            m_window = nullptr;
            m_controls.clear();
            m_pictures.clear();
            m_viewPicture.reset();
            return ::DefWindowProcW(window, message, wParam, lParam);
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

// The view reports every button press, whichever button it was, and every move.
LRESULT EditorWindow::OnViewMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = ::BeginPaint(view, &paint);
            RECT area{};
            ::GetClientRect(view, &area);
            PaintViewOn(dc, area);
            ::EndPaint(view, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (m_presenter) m_presenter->OnMouseDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_MOUSEMOVE:
            if (m_presenter) m_presenter->OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        default:
            return ::DefWindowProcW(view, message, wParam, lParam);
    }
}

}  // namespace snapwright::win32
