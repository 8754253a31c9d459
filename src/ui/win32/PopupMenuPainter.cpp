#include "ui/win32/PopupMenuPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

// The default font's glyph font is 1.2 times its size, a font of our own gets 1.3 times.
constexpr double kSystemGlyphScale = 1.2;
constexpr double kOwnGlyphScale = 1.3;

// Marlett's check mark and bullet.
constexpr wchar_t kCheckGlyph[] = L"a";
constexpr wchar_t kRadioGlyph[] = L"h";

constexpr UINT kLineFormat = DT_SINGLELINE | DT_VCENTER;

int ScreenPixelsPerInch() {
    const WindowDc screen(nullptr, false);
    return screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

void CopyFaceName(LOGFONTW& font, const std::wstring& name) {
    std::wcsncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
}

// Saves the device context's state and gives it back as it was when drawing is done.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    ~SavedDc() {
        if (m_saved) ::RestoreDC(m_dc, m_saved);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

void DrawLine(HDC dc, const std::wstring& text, RECT rect, UINT format) {
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// A horizontal etched line through the middle of `rect`.
void DrawEtchedLine(HDC dc, RECT rect) {
    const int middle = (rect.top + rect.bottom) / 2;
    RECT line{rect.left, middle - 1, rect.right, middle + 1};
    if (line.right > line.left) ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace

PopupMenuPainter::PopupMenuPainter() : m_measureDc(::CreateCompatibleDC(nullptr)) {
    UseSystemFont();
}

void PopupMenuPainter::UseSystemFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const LOGFONTW& font = metrics.lfMenuFont;
    m_font.name = ToUtf8(font.lfFaceName);
    m_font.size = std::abs(font.lfHeight) * 72.0 / ScreenPixelsPerInch();
    m_ownFont = false;
    MakeFonts(font, kSystemGlyphScale);
}

void PopupMenuPainter::SetFont(const MenuFont& font) {
    LOGFONTW description{};
    // A negative height asks for the character height, which is what a size in points means.
    description.lfHeight = -static_cast<LONG>(std::lround(font.size * ScreenPixelsPerInch() / 72.0));
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    CopyFaceName(description, ToWide(font.name));
    m_font = font;
    m_ownFont = true;
    MakeFonts(description, kOwnGlyphScale);
}

void PopupMenuPainter::SettingsChanged() {
    if (!m_ownFont) UseSystemFont();
}

void PopupMenuPainter::MakeFonts(const LOGFONTW& menuFont, double glyphScale) {
    m_textFont.reset(::CreateFontIndirectW(&menuFont));
    LOGFONTW header = menuFont;
    header.lfWeight = FW_BOLD;
    m_headerFont.reset(::CreateFontIndirectW(&header));
    LOGFONTW glyph{};
    glyph.lfHeight = static_cast<LONG>(std::lround(menuFont.lfHeight * glyphScale));
    glyph.lfWeight = FW_NORMAL;
    glyph.lfCharSet = SYMBOL_CHARSET;
    CopyFaceName(glyph, L"Marlett");
    m_glyphFont.reset(::CreateFontIndirectW(&glyph));
    {
        // Font matching gives some other face when the system has no Marlett.
        const ScopedSelectObject select(m_measureDc.get(), m_glyphFont.get());
        wchar_t face[LF_FACESIZE] = {};
        ::GetTextFaceW(m_measureDc.get(), LF_FACESIZE, face);
        m_glyphFontFound = ::lstrcmpiW(face, L"Marlett") == 0;
    }

    const ScopedSelectObject select(m_measureDc.get(), m_textFont.get());
    RECT bounds{};
    ::DrawTextW(m_measureDc.get(), L"Xg", 2, &bounds, DT_CALCRECT | DT_SINGLELINE);
    m_textHeight = bounds.bottom - bounds.top + 2;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(m_measureDc.get(), &metrics);
    m_averageCharWidth = std::max<int>(metrics.tmAveCharWidth, 1);
}

int PopupMenuPainter::TextWidth(HFONT font, const std::wstring& text, UINT format) const {
    if (text.empty()) return 0;
    const ScopedSelectObject select(m_measureDc.get(), font);
    RECT bounds{};
    ::DrawTextW(m_measureDc.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
                format | DT_CALCRECT | DT_SINGLELINE);
    return bounds.right - bounds.left;
}

// A square as high as a normal item, for the check mark.
int PopupMenuPainter::CheckColumnWidth() const {
    return m_textHeight + 6;
}

// Room for the system's sub-menu arrow at the right edge.
int PopupMenuPainter::RightMargin() const {
    return std::max(::GetSystemMetrics(SM_CXMENUCHECK), 2 * m_averageCharWidth);
}

SIZE PopupMenuPainter::Measure(const PopupMenuItem& item) const {
    if (!item.visible) return SIZE{0, 0};
    if (item.separator) return SIZE{CheckColumnWidth(), item.height};
    if (item.header) {
        const int text = TextWidth(m_headerFont.get(), ToWide(item.displayCaption), 0);
        return SIZE{2 * m_averageCharWidth + text + RightMargin(), item.height};
    }
    int width = CheckColumnWidth() + TextWidth(m_textFont.get(), ToWide(item.displayCaption), 0) + RightMargin();
    if (!item.shortcut.empty()) {
        width += 3 * m_averageCharWidth + TextWidth(m_textFont.get(), ToWide(item.shortcut), DT_NOPREFIX);
    }
    return SIZE{width, item.height};
}

void PopupMenuPainter::Draw(const PopupMenuItem& item, const DRAWITEMSTRUCT& draw) const {
    HDC dc = draw.hDC;
    const RECT& bounds = draw.rcItem;
    if (!item.visible || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return;
    const SavedDc saved(dc);

    const bool selectable = !item.separator && !item.header;
    const bool selected = selectable && (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = !item.enabled || (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    ::FillRect(dc, &bounds, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    ::SetBkMode(dc, TRANSPARENT);

    if (item.separator) {
        RECT line = bounds;
        ::InflateRect(&line, -2, 0);
        DrawEtchedLine(dc, line);
        return;
    }

    if (item.header) {
        // A heading in bold, with a line running on to the right edge.
        ::SelectObject(dc, m_headerFont.get());
        ::SetTextColor(dc, ::GetSysColor(COLOR_MENUTEXT));
        const std::wstring caption = ToWide(item.displayCaption);
        RECT text{bounds.left + m_averageCharWidth, bounds.top, bounds.right, bounds.bottom};
        DrawLine(dc, caption, text, kLineFormat | DT_LEFT | DT_HIDEPREFIX | DT_NOCLIP);
        RECT line{text.left + TextWidth(m_headerFont.get(), caption, DT_HIDEPREFIX) + m_averageCharWidth, bounds.top,
                  bounds.right - 2, bounds.bottom};
        DrawEtchedLine(dc, line);
        return;
    }

    COLORREF colour = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (disabled) {
        colour = ::GetSysColor(COLOR_GRAYTEXT);
        // Grey on a highlight of the same colour would vanish.
        if (selected && colour == ::GetSysColor(COLOR_HIGHLIGHT)) colour = ::GetSysColor(COLOR_MENU);
    }

    const UINT prefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    const RECT text{bounds.left + CheckColumnWidth(), bounds.top, bounds.right - RightMargin(), bounds.bottom};
    const std::wstring caption = ToWide(item.displayCaption);
    const std::wstring shortcut = ToWide(item.shortcut);
    const auto drawTexts = [&](int offset) {
        RECT shifted = text;
        ::OffsetRect(&shifted, offset, offset);
        ::SelectObject(dc, m_textFont.get());
        DrawLine(dc, caption, shifted, kLineFormat | DT_LEFT | prefix);
        if (!shortcut.empty()) DrawLine(dc, shortcut, shifted, kLineFormat | DT_RIGHT | DT_NOPREFIX);
        if (item.checked || (draw.itemState & ODS_CHECKED)) {
            const RECT check{bounds.left + offset, bounds.top + offset, bounds.left + CheckColumnWidth() + offset,
                             bounds.bottom + offset};
            DrawMark(dc, check, item.radioCheck, ::GetTextColor(dc));
        }
    };
    if (disabled && !selected) {
        // The engraved look of disabled menu text: a light copy one pixel down and right.
        ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
        drawTexts(1);
    }
    ::SetTextColor(dc, colour);
    drawTexts(0);
}

// The check mark or bullet from the glyph font; drawn with lines where the system has no
// Marlett, rather than showing the letter that stands for it.
void PopupMenuPainter::DrawMark(HDC dc, RECT bounds, bool radio, COLORREF colour) const {
    if (m_glyphFontFound) {
        ::SelectObject(dc, m_glyphFont.get());
        DrawLine(dc, radio ? kRadioGlyph : kCheckGlyph, bounds, kLineFormat | DT_CENTER | DT_NOPREFIX);
        return;
    }
    const int size = std::max<int>(6, std::min(bounds.right - bounds.left, bounds.bottom - bounds.top) / 2);
    const int centreX = (bounds.left + bounds.right) / 2;
    const int centreY = (bounds.top + bounds.bottom) / 2;
    if (radio) {
        const UniqueHbrush brush(::CreateSolidBrush(colour));
        const ScopedSelectObject selectBrush(dc, brush.get());
        const ScopedSelectObject selectPen(dc, ::GetStockObject(NULL_PEN));
        const int radius = size / 4 + 1;
        ::Ellipse(dc, centreX - radius, centreY - radius, centreX + radius + 1, centreY + radius + 1);
        return;
    }
    const UniqueHandle<GdiObjectTraits<HPEN>> pen(::CreatePen(PS_SOLID, std::max(2, size / 5), colour));
    const ScopedSelectObject selectPen(dc, pen.get());
    const POINT tick[] = {{centreX - size / 2, centreY},
                          {centreX - size / 6, centreY + size / 3},
                          {centreX + size / 2, centreY - size / 3}};
    ::Polyline(dc, tick, 3);
}

}  // namespace snapwright::win32
