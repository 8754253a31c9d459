#include "editor/win32/EditorToolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>

#include "editor/ToolbarLayout.h"
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
constexpr int kRowGap = 4;
constexpr int kViewGap = 6;
constexpr int kLongestTipLine = 420;  // pixels at 96 dpi
constexpr int kPictureSize = 24;
// The pictures' background, exactly #c0c0c0 in every channel, which LR_LOADMAP3DCOLORS turns into
// the button's face.
constexpr std::uint8_t kPictureFace = 0xC0;

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
    const RECT margin{Scaled(4), Scaled(1), Scaled(4), Scaled(1)};
    ::SendMessageW(m_tooltip.get(), TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    // A long tip (a tool's, in a language of long words) wraps onto more lines instead of running
    // past the screen's edge from a button on the right.
    ::SendMessageW(m_tooltip.get(), TTM_SETMAXTIPWIDTH, 0, Scaled(kLongestTipLine));
}

void EditorToolbar::Detach() {
    m_pictures.clear();
    m_window = nullptr;
}

// A tip replaced is taken away and given anew: the tooltip control keeps its own copy of the text.
void EditorToolbar::SetTip(ControlId control, const std::string& tip) {
    HWND item = Item(control);
    if (!item || !m_tooltip) return;
    // Wine measures some tips a letter short of what it draws (Greek ones that end in Latin
    // letters, for one); a no-break space at the end, measured too, keeps their last letter in the box.
    std::wstring text = ToWide(tip);
    if (!text.empty()) text += L'\u00A0';
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

// A toolbar picture at the window's scale; by default its light grey becomes the button face.
HBITMAP EditorToolbar::LoadPicture(ToolbarPicture picture, UINT flags) const {
    return static_cast<HBITMAP>(::LoadImageW(m_instance, MAKEINTRESOURCEW(static_cast<int>(picture)), IMAGE_BITMAP,
                                             Scaled(kPictureSize), Scaled(kPictureSize), flags));
}

// The picture while the button is disabled. The system draws a disabled button's picture embossed
// in grey and leaves out only its white pixels: the face of this copy is white, so that the drawing
// shows rather than one grey square.
HBITMAP EditorToolbar::LoadDisabledPicture(ToolbarPicture picture) const {
    const HBITMAP bitmap = LoadPicture(picture, LR_CREATEDIBSECTION);
    DIBSECTION section{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
        section.dsBm.bmBitsPixel != 24 || !section.dsBm.bmBits) {
        return bitmap;
    }
    ::GdiFlush();
    auto* bits = static_cast<std::uint8_t*>(section.dsBm.bmBits);
    for (int y = 0; y < section.dsBm.bmHeight; ++y) {
        std::uint8_t* pixel = bits + static_cast<std::ptrdiff_t>(y) * section.dsBm.bmWidthBytes;
        for (int x = 0; x < section.dsBm.bmWidth; ++x, pixel += 3) {
            if (pixel[0] == kPictureFace && pixel[1] == kPictureFace && pixel[2] == kPictureFace) {
                pixel[0] = pixel[1] = pixel[2] = 0xFF;
            }
        }
    }
    return bitmap;
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

// The toolbar's font (the language's) on every control of the window, and the buttons' pictures at
// the window's scale.
void EditorToolbar::Dress() {
    if (!m_window) return;
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
    std::map<ControlId, ButtonPictures> pictures;
    const auto dress = [&](ControlId control, ToolbarPicture picture) {
        ButtonPictures& dressed = pictures[control];
        dressed.enabled.reset(LoadPicture(picture));
        dressed.disabled.reset(LoadDisabledPicture(picture));
        const HBITMAP shown = ::IsWindowEnabled(Item(control)) ? dressed.enabled.get() : dressed.disabled.get();
        ::SendMessageW(Item(control), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    };
    if (m_presenter) {
        const auto& toolbar = m_presenter->Toolbar();
        for (std::size_t i = 0; i < toolbar.size(); ++i) dress(ToolbarControl(i), toolbar[i].picture);
    }
    dress(Id(HelpButton), ToolbarPicture::Help);
    // The previous font and pictures may only go once the controls have let go of them.
    m_font = std::move(font);
    m_pictures = std::move(pictures);
}

// The controls that show stand in rows as wide as the window (LayOutToolbarRows), the groups
// apart: the presenter's buttons, the strength (or text size) with its label, the colour, help.
Point EditorToolbar::Place() {
    if (!m_window) return {};
    const int size = Scaled(kButtonSize);
    const int labelWidth = std::max(Scaled(40), LabelWidth() + Scaled(2));
    struct Placed {
        ToolbarItem item;
        std::function<void(Point)> move;
    };
    std::vector<Placed> controls;
    const auto button = [&](ControlId control, int gap, bool startsGroup) {
        controls.push_back({{size, gap, startsGroup}, [this, control, size](Point at) {
                                ::MoveWindow(Item(control), at.x, at.y, size, size, FALSE);
                            }});
    };
    if (m_presenter) {
        const auto& toolbar = m_presenter->Toolbar();
        std::optional<std::size_t> previous;  // the button before that shows
        for (std::size_t i = 0; i < toolbar.size(); ++i) {
            if (!HasVisibleStyle(Item(ToolbarControl(i)))) continue;
            const bool startsGroup = !previous || toolbar[*previous].group != toolbar[i].group;
            button(ToolbarControl(i), Scaled(startsGroup ? kGroupGap : kButtonGap), startsGroup);
            previous = i;
        }
    }
    // The text sizes take the strengths' place while the text tool is active.
    controls.push_back({{labelWidth + Scaled(4 + 64), Scaled(kGroupGap), true}, [&](Point at) {
                            for (const auto& [label, list] :
                                 {std::pair{StrengthLabel, StrengthList}, {TextSizeLabel, TextSizeList}}) {
                                ::MoveWindow(Item(Id(label)), at.x, at.y, labelWidth, size, FALSE);
                                ::MoveWindow(Item(Id(list)), at.x + labelWidth + Scaled(4),
                                             at.y + (size - Scaled(22)) / 2, Scaled(64), Scaled(220), FALSE);
                            }
                        }});
    button(Id(ColourButton), Scaled(kButtonGap + 4), false);
    button(Id(HelpButton), Scaled(kGroupGap), true);

    RECT client{};
    ::GetClientRect(m_window, &client);
    std::vector<ToolbarItem> items;
    for (const Placed& control : controls) items.push_back(control.item);
    const ToolbarPlaces places = LayOutToolbarRows(items, client.right, Scaled(kMargin), size, Scaled(kRowGap));
    for (std::size_t i = 0; i < controls.size(); ++i) controls[i].move(places.places[i]);
    return {Scaled(kMargin), places.bottom + Scaled(kViewGap)};
}

void EditorToolbar::ShowEnabled(ControlId button, bool enabled) {
    const auto dressed = m_pictures.find(button);
    if (dressed == m_pictures.end()) return;
    const HBITMAP shown = enabled ? dressed->second.enabled.get() : dressed->second.disabled.get();
    ::SendMessageW(Item(button), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
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
