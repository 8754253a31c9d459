#include "ui/win32/DialogForm.h"

#include <commctrl.h>

#include <exception>
#include <utility>
#include <vector>

#include "platform/win32/Dpi.h"
#include "platform/win32/FormRegistry.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

namespace {

KeyPress KeyOf(WPARAM virtualKey) {
    return {static_cast<int>(virtualKey), ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0,
            ::GetKeyState(VK_MENU) < 0};
}

}  // namespace

DialogForm::DialogForm(HINSTANCE instance, int templateId, std::vector<ControlBinding> controls)
    : m_instance(instance), m_templateId(templateId), m_controls(std::move(controls)) {}

void DialogForm::Attach(IFormEvents& events, HICON icon, std::optional<ControlId> captionLabel) {
    m_events = &events;
    m_icon = icon;
    m_captionLabel = captionLabel.value_or(-1);
}

DialogForm::~DialogForm() {
    if (m_window) ::DestroyWindow(m_window);
}

HWND DialogForm::Handle() {
    Load();
    return m_window;
}

void DialogForm::Load() {
    if (m_window) return;
    // The template is not visible: the window appears when it is shown.
    HWND window = ::CreateDialogParamW(m_instance, MAKEINTRESOURCEW(m_templateId), nullptr,
                                       &DialogProcedure<&DialogForm::OnMessage>, reinterpret_cast<LPARAM>(this));
    if (!window) throw Win32Error(::GetLastError(), "CreateDialogParamW");
}

HWND DialogForm::ItemWindow(ControlId control) {
    Load();
    return Item(control);
}

HWND DialogForm::Item(ControlId control) const {
    if (control == kWindowTitle) return m_window;
    for (const auto& binding : m_controls) {
        if (binding.control == control) return m_window ? ::GetDlgItem(m_window, binding.dialogItem) : nullptr;
    }
    return nullptr;
}

void DialogForm::Bind(ControlId control, int dialogItem) {
    for (auto& binding : m_controls) {
        if (binding.control == control) {
            binding.dialogItem = dialogItem;
            return;
        }
    }
    m_controls.push_back({control, dialogItem});
}

bool DialogForm::FindControl(int dialogItem, ControlId& control) const {
    for (const auto& binding : m_controls) {
        if (binding.dialogItem == dialogItem) {
            control = binding.control;
            return true;
        }
    }
    return false;
}

void DialogForm::SetText(ControlId control, const std::string& text) {
    Load();
    ::SetWindowTextW(Item(control), ToWide(text).c_str());
}

std::string DialogForm::Text(ControlId control) const {
    return WindowText(Item(control));
}

void DialogForm::SetFontName(ControlId control, const std::string& face) {
    Load();
    const std::wstring wide = ToWide(face);
    m_fonts.Change(control, Item(control), [&](LOGFONTW& font) { lstrcpynW(font.lfFaceName, wide.c_str(), LF_FACESIZE); });
}

void DialogForm::SetFontSize(ControlId control, int points) {
    Load();
    m_fonts.Change(control, Item(control), [&](LOGFONTW& font) {
        font.lfHeight = -::MulDiv(points, m_dpi, 72);
        font.lfWidth = 0;
    });
}

void DialogForm::SetFontBold(ControlId control, bool bold) {
    Load();
    m_fonts.Change(control, Item(control), [&](LOGFONTW& font) { font.lfWeight = bold ? FW_BOLD : FW_NORMAL; });
}

void DialogForm::SetChecked(ControlId control, bool checked) {
    Load();
    HWND item = Item(control);
    if (!item) return;
    // An option button that is chosen clears the other option buttons of its group.
    const auto style = ::GetWindowLongW(item, GWL_STYLE) & BS_TYPEMASK;
    if (checked && (style == BS_AUTORADIOBUTTON || style == BS_RADIOBUTTON)) {
        HWND first = ::GetNextDlgGroupItem(m_window, item, FALSE);
        for (HWND other = first;;) {
            const auto otherStyle = ::GetWindowLongW(other, GWL_STYLE) & BS_TYPEMASK;
            if (other != item && (otherStyle == BS_AUTORADIOBUTTON || otherStyle == BS_RADIOBUTTON)) {
                ::SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
            }
            other = ::GetNextDlgGroupItem(m_window, other, FALSE);
            if (!other || other == first) break;
        }
    }
    ::SendMessageW(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DialogForm::Checked(ControlId control) const {
    return ::SendMessageW(Item(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogForm::SetVisible(ControlId control, bool visible) {
    Load();
    ::ShowWindow(Item(control), visible ? SW_SHOWNA : SW_HIDE);
}

void DialogForm::SetEnabled(ControlId control, bool enabled) {
    Load();
    ::EnableWindow(Item(control), enabled ? TRUE : FALSE);
    if (m_events) m_events->OnEnabledChanged(control, enabled);
}

void DialogForm::SetBounds(ControlId control, const Rect& twips) {
    Load();
    const int dpi = m_dpi;
    ::MoveWindow(Item(control), ::MulDiv(twips.left, dpi, 1440), ::MulDiv(twips.top, dpi, 1440),
                 ::MulDiv(twips.width, dpi, 1440), ::MulDiv(twips.height, dpi, 1440), TRUE);
}

Rect DialogForm::Bounds(ControlId control) const {
    HWND item = Item(control);
    RECT rect{};
    if (!item || !::GetWindowRect(item, &rect)) return {};
    ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&rect), 2);
    const int dpi = m_dpi;
    return Rect{::MulDiv(rect.left, 1440, dpi), ::MulDiv(rect.top, 1440, dpi), ::MulDiv(rect.right - rect.left, 1440, dpi),
                ::MulDiv(rect.bottom - rect.top, 1440, dpi)};
}

void DialogForm::ClearList(ControlId control) {
    Load();
    ::SendMessageW(Item(control), CB_RESETCONTENT, 0, 0);
}

void DialogForm::AddListItem(ControlId control, const std::string& text) {
    Load();
    ::SendMessageW(Item(control), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void DialogForm::SetListIndex(ControlId control, int index) {
    Load();
    ::SendMessageW(Item(control), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogForm::ListIndex(ControlId control) const {
    return static_cast<int>(::SendMessageW(Item(control), CB_GETCURSEL, 0, 0));
}

// Through the dialog manager, which moves the default button along.
void DialogForm::SetFocus(ControlId control) {
    Load();
    if (HWND item = Item(control)) ::SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
}

// Slider (trackbar) ranges move the position along when they pass it, as a slider's Min and Max do.
void DialogForm::SetSliderMin(ControlId control, int value) {
    Load();
    HWND slider = Item(control);
    ::SendMessageW(slider, TBM_SETRANGEMIN, TRUE, value);
    if (::SendMessageW(slider, TBM_GETPOS, 0, 0) < value) ::SendMessageW(slider, TBM_SETPOS, TRUE, value);
}

void DialogForm::SetSliderMax(ControlId control, int value) {
    Load();
    HWND slider = Item(control);
    ::SendMessageW(slider, TBM_SETRANGEMAX, TRUE, value);
    if (::SendMessageW(slider, TBM_GETPOS, 0, 0) > value) ::SendMessageW(slider, TBM_SETPOS, TRUE, value);
}

void DialogForm::SetSliderValue(ControlId control, int value) {
    Load();
    ::SendMessageW(Item(control), TBM_SETPOS, TRUE, value);
}

int DialogForm::SliderValue(ControlId control) const {
    return static_cast<int>(::SendMessageW(Item(control), TBM_GETPOS, 0, 0));
}

// A dialog opens where the user works: on the monitor of the mouse pointer, whole on it. One that
// is open already stays where it is.
void DialogForm::PlaceOnPointerMonitor() {
    if (!m_placesItself && !::IsWindowVisible(m_window)) CentreOnPointerMonitor(m_window);
}

// A form's keys go to its view first, as they are, then as a key press to its presenter.
bool DialogForm::OnKeyboard(const MSG& message) {
    if (!m_events) return false;
    const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    if (keyboard && m_events->OnKeyboardMessage(message)) return true;
    return message.message == WM_KEYDOWN && m_events->OnKey(KeyOf(message.wParam));
}

// A form shown modal already only comes to the front: its loop runs further down the stack.
void DialogForm::ShowModal() {
    Load();
    if (m_modal) {
        ::SetForegroundWindow(m_window);
        return;
    }
    m_modal = true;
    BringToFront();
    // Until the dialog is hidden or unloaded.
    RunModalLoop([this] { return !m_window || !::IsWindowVisible(m_window); });
    m_modal = false;
}

void DialogForm::Show() {
    Load();
    BringToFront();
}

// A minimised window comes back to its size; a maximised one stays so.
void DialogForm::BringToFront() {
    PlaceOnPointerMonitor();
    ::ShowWindow(m_window, ::IsIconic(m_window) ? SW_RESTORE : ::IsZoomed(m_window) ? SW_SHOW : SW_SHOWNORMAL);
    ::SetForegroundWindow(m_window);
}

void DialogForm::Hide() {
    if (m_window) ::ShowWindow(m_window, SW_HIDE);
}

void DialogForm::Unload() {
    if (!m_window) return;
    HWND window = m_window;
    ::DestroyWindow(window);
}

// Moved onto a monitor of another scale, the dialog takes the size the system suggests, and its
// controls follow unless its window lays them out itself.
void DialogForm::OnDpiChanged(int dpi, const RECT& suggested) {
    const int previous = m_dpi;
    if (dpi > 0 && dpi != previous) {
        m_dpi = dpi;
        if (!m_events || !m_events->OnDpiChanged(dpi)) RescaleControls(dpi, previous);
    }
    ::SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_window, nullptr, TRUE);
}

// The controls, their fonts and the template's font take the new scale, so that nothing is
// blurred or cut off.
void DialogForm::RescaleControls(int dpi, int previous) {
    const std::vector<DialogScaling::ChildPlace> places = DialogScaling::ChildPlaces(m_window);
    m_scaling.RescaleTemplateFont(m_window, dpi, previous);
    m_fonts.Rescale(dpi, previous, [this](ControlId control) { return Item(control); });
    DialogScaling::MoveChildren(places, dpi, previous);
}

INT_PTR DialogForm::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        m_window = window;
        FormRegistry::Add(window, [this](const MSG& message) { return OnKeyboard(message); });
    }
    if (m_events) {
        if (const std::optional<INT_PTR> handled = m_events->OnWindowMessage(message, wParam, lParam)) return *handled;
    }
    return OnFormMessage(message, wParam, lParam);
}

INT_PTR DialogForm::OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            m_fonts.Clear();
            m_dpi = WindowDpi(m_window);
            ScaleDialogByItself(m_window);
            if (m_icon) {
                ::SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
                ::SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
            }
            if (m_captionLabel >= 0) SetFontBold(m_captionLabel, true);
            if (m_events) m_events->OnLoad();
            return TRUE;
        case WM_COMMAND: {
            ControlId control = 0;
            const int code = HIWORD(wParam);
            if (!FindControl(LOWORD(wParam), control)) {
                if (LOWORD(wParam) == IDCANCEL && m_events) m_events->OnEscape();
                return TRUE;
            }
            if ((code == BN_CLICKED || code == CBN_SELCHANGE) && m_events) m_events->OnClick(control);
            return TRUE;
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            ControlId control = 0;
            if (lParam && FindControl(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), control) && m_events) {
                m_events->OnScroll(control);
            }
            return TRUE;
        }
        case WM_LBUTTONDOWN: {
            // A press on the caption label drags the borderless window, as a title bar would.
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            HWND label = Item(m_captionLabel);
            if (label && ::ChildWindowFromPointEx(m_window, point, CWP_SKIPINVISIBLE) == label) {
                ::ReleaseCapture();
                ::SendMessageW(m_window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            if (reinterpret_cast<HWND>(lParam) == Item(m_captionLabel)) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, ::GetSysColor(COLOR_CAPTIONTEXT));
                ::SetBkColor(dc, ::GetSysColor(COLOR_ACTIVECAPTION));
                return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_ACTIVECAPTION));
            }
            return FALSE;
        }
        case WM_CLOSE:
            if (m_events) m_events->OnCloseRequest();
            return TRUE;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED && m_events) m_events->OnMinimized();
            return FALSE;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_NCDESTROY:
            FormRegistry::Remove(m_window);
            m_window = nullptr;
            m_fonts.Clear();
            m_scaling.Reset();
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace snapwright::win32
