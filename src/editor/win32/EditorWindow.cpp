#include "editor/win32/EditorWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>

#include "editor/win32/EditorItems.h"
#include "editor/win32/EditorWindowIds.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/Win32Screen.h"

namespace snapwright::win32 {

using enum EditorControl;

EditorWindow::EditorWindow(HINSTANCE instance, HICON icon)
    : m_instance(instance),
      m_form(instance, IDD_EDITOR),
      m_toolbar(instance),
      m_textField(instance),
      m_view(instance, m_textField) {
    m_form.Attach(*this, icon);
    m_form.PlaceByItself();
}

// The window goes before the members its messages reach.
EditorWindow::~EditorWindow() {
    m_form.Unload();
}

void EditorWindow::SetPresenter(Editor* presenter) {
    m_presenter = presenter;
    m_toolbar.SetPresenter(presenter);
    m_textField.SetPresenter(presenter);
    m_view.SetPresenter(presenter);
}

HWND EditorWindow::Item(ControlId control) const {
    return EditorItem(m_window, control);
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
HWND EditorWindow::Make(ControlId control, const wchar_t* className, DWORD style, void* creator) {
    HWND item = ::CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, m_window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditorItemOf(control))), m_instance,
                                  creator);
    if (!item) throw Win32Error(::GetLastError(), "CreateWindowExW");
    m_form.Bind(control, EditorItemOf(control));
    return item;
}

void EditorWindow::SetTextFont(const std::string& face, int points) {
    m_toolbar.SetFont(face, points);
    if (m_window) LayOutToolbar();
}

// In the tab order of the toolbar: its buttons, the line strength, the colour and help.
void EditorWindow::CreateControls() {
    m_toolbar.Attach(m_window, m_dpi);
    m_view.Attach(m_window);
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
    Make(Id(View), m_view.WindowClass(), WS_VISIBLE | WS_CLIPCHILDREN, &m_view);
    Make(Id(HorizontalScroll), WC_SCROLLBARW, SBS_HORZ);
    Make(Id(VerticalScroll), WC_SCROLLBARW, SBS_VERT);
}

// The toolbar dressed in its font and pictures, then placed.
void EditorWindow::LayOutToolbar() {
    m_toolbar.Dress();
    PlaceToolbar();
}

// The toolbar's rows for the window's width and the view's corner below them; the view's size and
// the scroll bars follow from the window's size (Editor::OnResize).
void EditorWindow::PlaceToolbar() {
    const Point corner = m_toolbar.Place();
    const Rect view = ControlBounds(Id(View));
    ::MoveWindow(Item(Id(View)), corner.x, corner.y, view.width, view.height, FALSE);
    // Controls moved without painting keep whatever lay under them: all are painted anew.
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// On a monitor of another scale the toolbar is laid out anew at that scale, and the view follows
// the window's new size. The picture keeps its pixels.
bool EditorWindow::OnDpiChanged(int dpi) {
    m_dpi = dpi;
    m_toolbar.SetDpi(dpi);
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

// While text is typed its field has the keys, but for those that end the typing, and a list that
// is open has its own. Elsewhere in the editor, on the view as on a button of the toolbar, the keys
// are the presenter's: the tools' letters choose them wherever the focus stands.
bool EditorWindow::OnKey(const KeyPress& key) {
    if (!m_presenter) return false;
    if (m_textField.Typing()) return m_textField.OnKey(key);
    if (ListOpen()) return false;
    return m_presenter->OnKey(key);
}

bool EditorWindow::ListOpen() const {
    HWND focus = ::GetFocus();
    for (const EditorControl control : {StrengthList, TextSizeList}) {
        HWND list = Item(Id(control));
        if (list && (focus == list || ::IsChild(list, focus)) && ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0)) {
            return true;
        }
    }
    return false;
}

std::optional<INT_PTR> EditorWindow::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (m_view.OnScrollBar(reinterpret_cast<HWND>(lParam), LOWORD(wParam))) return TRUE;
            break;
        case WM_MOUSEWHEEL: m_view.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return TRUE;
        case WM_DRAWITEM:
            if (m_toolbar.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_SIZE:
            // A narrower window may take more rows of the toolbar, and the view starts lower.
            if (wParam == SIZE_MINIMIZED || !Item(Id(View))) break;
            PlaceToolbar();
            if (m_presenter) m_presenter->OnResize();
            break;
        case WM_DESTROY: m_toolbar.OnDestroy(); break;
        case WM_NCDESTROY: Unloaded(); break;
        default: break;
    }
    return std::nullopt;
}

void EditorWindow::Unloaded() {
    m_window = nullptr;
    m_toolbar.Detach();
    m_view.Detach();
}

void EditorWindow::BeginText(const Rect& box, Colour colour, int pixelHeight) {
    m_textField.Begin(Item(Id(View)), box, colour, pixelHeight);
}

// --- layout ---

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

// --- questions and choices ---

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
