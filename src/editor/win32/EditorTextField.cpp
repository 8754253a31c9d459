#include "editor/win32/EditorTextField.h"

#include <commctrl.h>

#include <algorithm>

#include "editor/win32/EditorItems.h"
#include "editor/win32/GdiDrawing.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

using enum EditorControl;

namespace {

constexpr int kFieldItem = 1;
// Posted to the view when the field lost the focus to another control of the editor.
constexpr UINT kFieldLeftMessage = WM_APP + 1;

}  // namespace

void EditorTextField::Begin(HWND view, const Rect& box, Colour colour, int pixelHeight) {
    if (!view) return;
    if (!m_field) {
        // Without horizontal scrolling the field wraps its lines, as the text in a box is wrapped.
        const DWORD wrap = box.width > 0 ? 0 : ES_AUTOHSCROLL;
        const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | wrap;
        m_field.reset(::CreateWindowExW(0, WC_EDITW, L"", style, box.left, box.top, 0, 0, view,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFieldItem)), m_instance, nullptr));
        if (!m_field) return;
    }
    // The field lets go of its previous font before that font goes.
    UniqueHfont font = TextFont(pixelHeight);
    ::SendMessageW(m_field.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    m_font = std::move(font);
    m_colour = colour;
    m_pixelHeight = pixelHeight;
    m_box = box;
    ::SendMessageW(m_field.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    Fit();
    ::InvalidateRect(m_field.get(), nullptr, TRUE);
    ::SetFocus(m_field.get());
}

// The field leaves the focus to the view before it goes, so that the keys find the tools again.
std::string EditorTextField::End() {
    UniqueHwnd field(m_field.release());
    if (!field) return {};
    std::string text = WindowText(field.get());
    if (::GetFocus() == field.get()) ::SetFocus(::GetParent(field.get()));
    field.reset();
    m_font.reset();
    return text;
}

bool EditorTextField::Typing() const {
    return m_field && ::GetFocus() == m_field.get();
}

bool EditorTextField::OnKey(const KeyPress& key) {
    if (!m_presenter) return false;
    if (key == KeyPress{kKeyReturn, false, true, false}) {
        ::SendMessageW(m_field.get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
        return true;
    }
    if (key == KeyPress{kKeyReturn} || key == KeyPress{kKeyEscape}) return m_presenter->OnKey(key);
    return false;
}

std::optional<LRESULT> EditorTextField::OnViewMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_field) return std::nullopt;
    switch (message) {
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) != m_field.get()) break;
            ::SetTextColor(reinterpret_cast<HDC>(wParam), m_colour);
            ::SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) != m_field.get()) break;
            if (HIWORD(wParam) == EN_CHANGE) Fit();
            // The field may not go while it is telling that it lost the focus: later.
            if (HIWORD(wParam) == EN_KILLFOCUS) ::PostMessageW(view, kFieldLeftMessage, 0, lParam);
            return 0;
        case kFieldLeftMessage: OnLeft(view, reinterpret_cast<HWND>(lParam)); return 0;
        default: break;
    }
    return std::nullopt;
}

// The field grows with its text, a letter ahead of it, and never below the box it was given; in a
// box of its own width it only grows downwards, so that it wraps where the picture's text will.
void EditorTextField::Fit() {
    if (!m_field) return;
    const std::wstring text = ToWide(WindowText(m_field.get()) + "W");
    const WindowDc dc(m_field.get(), false);
    ScopedSelectObject font(dc.get(), m_font.get());
    RECT area{0, 0, m_box.width, 0};
    const UINT layout = TextLayout(m_box.width) | DT_CALCRECT;
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &area, layout);
    const int width = m_box.width > 0 ? m_box.width : area.right + m_pixelHeight;
    ::MoveWindow(m_field.get(), m_box.left, m_box.top, width, std::max<int>(m_box.height, area.bottom + 2), TRUE);
    // A multi-line field takes a new line only with room to scroll to it; it may have scrolled
    // before it grew, and now shows all its text from the start again.
    ::SendMessageW(m_field.get(), WM_VSCROLL, SB_TOP, 0);
    ::SendMessageW(m_field.get(), WM_HSCROLL, SB_LEFT, 0);
}

// A click or Tab elsewhere in the editor puts the text in, but not a choice of its size or
// colour, and not another window coming to the front.
void EditorTextField::OnLeft(HWND view, HWND field) {
    if (!m_field || field != m_field.get() || !m_presenter) return;
    HWND window = ::GetParent(view);
    HWND focus = ::GetFocus();
    if (!focus || focus == field || !::IsChild(window, focus)) return;
    HWND sizes = EditorItem(window, Id(TextSizeList));
    if (focus == sizes || ::IsChild(sizes, focus) || focus == EditorItem(window, Id(ColourButton))) return;
    m_presenter->OnKey(KeyPress{kKeyReturn});
}

}  // namespace snapwright::win32
