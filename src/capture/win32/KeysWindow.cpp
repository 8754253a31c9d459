#include "capture/win32/KeysWindow.h"

#include <vector>

#include "capture/win32/KeysWindowIds.h"
#include "platform/Diagnostics.h"

namespace snapwright::win32 {

using enum KeysControl;

namespace {

std::vector<DialogForm::ControlBinding> Bindings() {
    std::vector<DialogForm::ControlBinding> bindings{{Id(CaptionLabel), IDC_KEYS_CAPTION},
                                                     {Id(IntroLabel), IDC_KEYS_INTRO},
                                                     {Id(DefaultsButton), IDC_KEYS_DEFAULTS},
                                                     {Id(OkButton), IDC_KEYS_OK},
                                                     {Id(CancelButton), IDC_KEYS_CANCEL}};
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        bindings.push_back({Id(RowBox(row)), IDC_KEYS_ROW1 + static_cast<int>(row)});
        bindings.push_back({Id(KeyField(row)), IDC_KEYS_FIELD1 + static_cast<int>(row)});
    }
    return bindings;
}

// The window whose field reads the keyboard: one keys dialog, one field with the focus.
KeysWindow* g_reading = nullptr;
// A key read by the keyboard hook, handed to the dialog: the virtual key, and the modifiers held.
constexpr UINT kKeyRead = WM_APP + 0x4B;

// The modifiers held, as the message being handled saw them, or as the keyboard is now.
unsigned HeldModifiers(bool now = false) {
    const auto down = [now](int key) { return (now ? ::GetAsyncKeyState(key) : ::GetKeyState(key)) < 0; };
    return (down(VK_CONTROL) ? kModControl : 0) | (down(VK_MENU) ? kModAlt : 0) | (down(VK_SHIFT) ? kModShift : 0) |
           (down(VK_LWIN) || down(VK_RWIN) ? kModWin : 0);
}

bool IsModifier(WPARAM key) {
    switch (key) {
        case VK_SHIFT: case VK_CONTROL: case VK_MENU: case VK_LSHIFT: case VK_RSHIFT: case VK_LCONTROL:
        case VK_RCONTROL: case VK_LMENU: case VK_RMENU: case VK_LWIN: case VK_RWIN:
            return true;
        default:
            return false;
    }
}

// Tab moves on, Escape cancels and Enter confirms, as in every dialog, when no Ctrl, Alt or Win is
// held; Alt+Tab, Alt+Escape and Ctrl+Escape switch windows and open the Start menu, as everywhere.
bool BelongsToTheDialog(WPARAM key, unsigned modifiers) {
    const bool plain = (modifiers & (kModControl | kModAlt | kModWin)) == 0;
    return ((key == VK_TAB || key == VK_ESCAPE || key == VK_RETURN) && plain) ||
           (key == VK_TAB && (modifiers & kModAlt)) || (key == VK_ESCAPE && (modifiers & (kModAlt | kModControl)));
}

}  // namespace

KeysWindow::KeysWindow(HINSTANCE instance, HICON icon) : m_form(instance, IDD_KEYS, Bindings()) {
    m_form.Attach(*this, icon, Id(CaptionLabel));
}

KeysWindow::~KeysWindow() {
    StopReading();
}

void KeysWindow::OnLoad() {
    if (m_presenter) m_presenter->OnLoad();
}

void KeysWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (control == Id(RowBox(row))) return m_presenter->OnRowSwitched(row);
    }
    switch (static_cast<KeysControl>(control)) {
        case DefaultsButton: m_presenter->OnDefaults(); break;
        case OkButton: m_presenter->OnOk(); break;
        case CancelButton: m_presenter->OnCancel(); break;
        default: break;
    }
}

// Escape and Alt+F4 close the dialog as its Cancel button does.
void KeysWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->OnCancel();
}

// Without the keyboard hook, a field reads the key messages: a key when it goes down, Print Screen
// when it comes up, as Windows keeps its press for itself. With or without it, the modifiers alone
// choose nothing, and nothing a field takes goes further: no character, no access key of a
// button, no menu on Alt.
bool KeysWindow::OnKeyboardMessage(const MSG& message) {
    if (!FieldRow(message.hwnd)) return false;
    const WPARAM key = message.wParam;
    const unsigned modifiers = HeldModifiers();
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (BelongsToTheDialog(key, modifiers)) return false;
            if (!m_keyboard && !IsModifier(key) && key != VK_SNAPSHOT) KeyPressed(modifiers, static_cast<unsigned>(key));
            return true;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (!m_keyboard && key == VK_SNAPSHOT) KeyPressed(modifiers, kVkSnapshot);
            return !BelongsToTheDialog(key, modifiers);
        default:
            return true;
    }
}

std::optional<INT_PTR> KeysWindow::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kKeyRead:
            KeyPressed(static_cast<unsigned>(lParam), static_cast<unsigned>(wParam));
            return TRUE;
        case WM_COMMAND:
            // A field with the focus reads the keyboard; the form goes on with the command.
            if (FieldRow(reinterpret_cast<HWND>(lParam))) {
                if (HIWORD(wParam) == EN_SETFOCUS) StartReading();
                if (HIWORD(wParam) == EN_KILLFOCUS) StopReading();
            }
            return std::nullopt;
        case WM_DESTROY:
            StopReading();
            return std::nullopt;
        case WM_CTLCOLORSTATIC: {
            // The fields cannot be typed in, but they are where the keys go: they look like fields to type in.
            HWND control = reinterpret_cast<HWND>(lParam);
            if (!FieldRow(control) || !::IsWindowEnabled(control)) return std::nullopt;
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
            ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_WINDOW));
        }
        default:
            return std::nullopt;
    }
}

// Keys that another program holds, or that Windows uses itself (Print Screen), never reach a
// window as messages: the field reads them from the keyboard before anyone else, and keeps them
// from doing their other work meanwhile. When the hook cannot be set, the messages serve.
void KeysWindow::StartReading() {
    if (!m_keyboard) m_keyboard.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, &ReadKey, ::GetModuleHandleW(nullptr), 0));
    if (!m_keyboard) DebugOutput("The keys dialog reads the key messages only: no keyboard hook.");
    g_reading = this;
}

void KeysWindow::StopReading() {
    m_keyboard.reset();
    if (g_reading == this) g_reading = nullptr;
}

// Handed on through the dialog's queue: the hook must answer the system at once.
LRESULT CALLBACK KeysWindow::ReadKey(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && g_reading && g_reading->m_form.IsLoaded()) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        const unsigned modifiers = HeldModifiers(true);
        if (!IsModifier(key.vkCode) && !BelongsToTheDialog(key.vkCode, modifiers)) {
            if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
                ::PostMessageW(g_reading->m_form.Handle(), kKeyRead, key.vkCode, modifiers);
            }
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, message, data);
}

void KeysWindow::KeyPressed(unsigned modifiers, unsigned virtualKey) {
    const std::optional<std::size_t> row = FieldRow(::GetFocus());
    if (row && m_presenter) m_presenter->OnKeyPressed(*row, {modifiers, virtualKey});
}

std::optional<std::size_t> KeysWindow::FieldRow(HWND window) {
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (window && window == m_form.ItemWindow(Id(KeyField(row)))) return row;
    }
    return std::nullopt;
}

}  // namespace snapwright::win32
