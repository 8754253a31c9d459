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

void EditorTextField::Begin(HWND view, const Rect& box, Colour colour, int pixelHeight, const std::string& text) {
    if (!view) return;
    TextExtents extents = [this, pixelHeight](const std::u32string& line) {
        return m_letters.Extents(line, pixelHeight);
    };
    const bool opening = !m_field;
    if (!m_field) {
        // The field never wraps by itself: its lines are those of its text (FieldText).
        const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
        m_field.reset(::CreateWindowExW(0, WC_EDITW, L"", style, box.left, box.top, 0, 0, view,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFieldItem)), m_instance, nullptr));
        if (!m_field) return;
        m_text.emplace(box.width, std::move(extents), DecodeUtf8(text));
    } else {
        m_text->Rewrap(box.width, std::move(extents));
    }
    // The field lets go of its previous font before that font goes.
    UniqueHfont font = TextFont(pixelHeight);
    ::SendMessageW(m_field.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    m_font = std::move(font);
    m_colour = colour;
    m_pixelHeight = pixelHeight;
    m_box = box;
    ::SendMessageW(m_field.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ShowText();
    if (opening && !text.empty()) ::SendMessageW(m_field.get(), EM_SETSEL, 0, -1);
    Fit();
    ::InvalidateRect(m_field.get(), nullptr, TRUE);
    ::SetFocus(m_field.get());
}

// The field leaves the focus to the view before it goes, so that the keys find the tools again.
std::string EditorTextField::End() {
    // Text set from outside (WM_SETTEXT, as by automation) reaches a multi-line field without
    // EN_CHANGE: what the field holds now is taken in.
    OnChange();
    UniqueHwnd field(m_field.release());
    if (!field) return {};
    std::string text = m_text ? EncodeUtf8(m_text->Typed()) : WindowText(field.get());
    if (::GetFocus() == field.get()) ::SetFocus(::GetParent(field.get()));
    field.reset();
    m_font.reset();
    m_text.reset();
    return text;
}

bool EditorTextField::Typing() const {
    return m_field && ::GetFocus() == m_field.get();
}

bool EditorTextField::OnKey(const KeyPress& key) {
    if (!m_presenter) return false;
    m_deletingForward = key.code == VK_DELETE;
    if (key == KeyPress{kKeyReturn, false, true, false}) {
        ::SendMessageW(m_field.get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
        return true;
    }
    if (key == KeyPress{kKeyReturn} || key == KeyPress{kKeyEscape}) return m_presenter->OnKey(key);
    // The field's own undo would be lost at the first rewrap, which sets its text anew.
    if (key == KeyPress{'Z', true, false, false}) {
        if (m_text && m_text->Undo()) {
            ShowText();
            Fit();
        }
        return true;
    }
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
            if (HIWORD(wParam) == EN_CHANGE) OnChange();
            // The field may not go while it is telling that it lost the focus: later.
            if (HIWORD(wParam) == EN_KILLFOCUS) ::PostMessageW(view, kFieldLeftMessage, 0, lParam);
            return 0;
        case kFieldLeftMessage: OnLeft(view, reinterpret_cast<HWND>(lParam)); return 0;
        default: break;
    }
    return std::nullopt;
}

// What was typed, pasted or deleted goes into the text, which shows wrapped anew where its lines
// changed.
void EditorTextField::OnChange() {
    if (m_showing || !m_field || !m_text) return;
    const std::wstring shown = ToWide(WindowText(m_field.get()));
    DWORD caret = 0;
    ::SendMessageW(m_field.get(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    m_text->Edited(DecodeUtf8(ToUtf8(shown)), DecodeUtf8(ToUtf8(shown.substr(0, caret))).size(), m_deletingForward);
    m_deletingForward = false;
    if (ToWide(EncodeUtf8(m_text->Shown())) != shown) ShowText();
    Fit();
}

// The text as FieldText shows it, with the caret where it belongs.
void EditorTextField::ShowText() {
    const std::u32string& shown = m_text->Shown();
    const std::wstring text = ToWide(EncodeUtf8(shown));
    const auto caret = static_cast<WPARAM>(ToWide(EncodeUtf8(shown.substr(0, m_text->ShownCaret()))).size());
    m_showing = true;
    if (ToWide(WindowText(m_field.get())) != text) ::SetWindowTextW(m_field.get(), text.c_str());
    ::SendMessageW(m_field.get(), EM_SETSEL, caret, static_cast<LPARAM>(caret));
    m_showing = false;
}

// The field grows with its text, a letter ahead of it, and never below the box it was given.
void EditorTextField::Fit() {
    if (!m_field) return;
    const std::wstring text = ToWide(WindowText(m_field.get())) + L"W";
    const WindowDc dc(m_field.get(), false);
    ScopedSelectObject font(dc.get(), m_font.get());
    RECT area{0, 0, 0, 0};
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &area, TextLayout(0) | DT_CALCRECT);
    const int width = std::max<int>(m_box.width, area.right + (m_box.width > 0 ? 0 : m_pixelHeight));
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
