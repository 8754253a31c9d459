#include "editor/win32/EditorToolbar.h"

#include <commctrl.h>

#include <algorithm>

#include "editor/win32/EditorItems.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

using enum EditorControl;

namespace {

// Toolbar layout at 96 dots per inch.
constexpr int kMargin = 4;
constexpr int kButtonSize = 30;
constexpr int kButtonGap = 2;
constexpr int kGroupGap = 10;
constexpr int kViewGap = 6;

bool HasVisibleStyle(HWND item) {
    return (::GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

HWND EditorToolbar::Item(ControlId control) const {
    return EditorItem(m_window, control);
}

void EditorToolbar::Attach(HWND window, int dpi) {
    m_window = window;
    m_dpi = dpi;
    m_tooltip.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                      m_instance, nullptr));
    // Wine measures some tips a letter short of what it draws; a margin on each side keeps their
    // last letter in the box.
    const RECT margin{Scaled(4), Scaled(1), Scaled(4), Scaled(1)};
    ::SendMessageW(m_tooltip.get(), TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
}

void EditorToolbar::Detach() {
    m_pictures.clear();
    m_window = nullptr;
}

// A tip replaced is taken away and given anew: the tooltip control keeps its own copy of the text.
void EditorToolbar::SetTip(ControlId control, const std::string& tip) {
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

void EditorToolbar::SetFont(const std::string& face, int points) {
    m_fontFace = ToWide(face);
    m_fontPoints = points;
}

// A toolbar picture at the window's scale; its light grey becomes the button face.
HBITMAP EditorToolbar::LoadPicture(ToolbarPicture picture) const {
    constexpr int kPictureSize = 24;
    return static_cast<HBITMAP>(::LoadImageW(m_instance, MAKEINTRESOURCEW(static_cast<int>(picture)), IMAGE_BITMAP,
                                             Scaled(kPictureSize), Scaled(kPictureSize), LR_LOADMAP3DCOLORS));
}

// The wider of the strength's and the text size's labels in the toolbar's font, which take turns in
// one place: as wide as each language's words need.
int EditorToolbar::LabelWidth() const {
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

// The buttons that show stand in a row, the groups apart.
Point EditorToolbar::LayOut() {
    if (!m_window) return {};
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
    return {Scaled(kMargin), top + size + Scaled(kViewGap)};
}

void EditorToolbar::SetButtonPressed(ControlId button, bool pressed) {
    ::SendMessageW(Item(button), BM_SETSTATE, pressed ? 1 : 0, 0);
}

void EditorToolbar::ShowColour(ControlId button, Colour colour) {
    m_colour = colour;
    ::InvalidateRect(Item(button), nullptr, TRUE);
}

bool EditorToolbar::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlID != static_cast<UINT>(EditorItemOf(Id(ColourButton)))) return false;
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
    return true;
}

}  // namespace snapwright::win32
