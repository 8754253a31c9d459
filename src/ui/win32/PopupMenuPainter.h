#pragma once
#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "ui/MenuFont.h"
#include "ui/PopupMenuItem.h"

namespace snapwright::win32 {

// Measures and draws the owner-drawn entries of a popup menu in the menu font and the system's
// menu colours: highlight, check marks from the Marlett glyph font, separators, headers, the
// underlined accelerator and the shortcut text at the right edge.
class PopupMenuPainter {
public:
    // Starts with the system's menu font.
    PopupMenuPainter();
    PopupMenuPainter(const PopupMenuPainter&) = delete;
    PopupMenuPainter& operator=(const PopupMenuPainter&) = delete;

    void SetFont(const MenuFont& font);
    const MenuFont& Font() const { return m_font; }
    // Reads the system's menu font again when no font of our own is set.
    void SettingsChanged();
    // The height of "Xg" in the menu font plus 2 pixels.
    int TextHeight() const { return m_textHeight; }

    SIZE Measure(const PopupMenuItem& item) const;
    void Draw(const PopupMenuItem& item, const DRAWITEMSTRUCT& draw) const;

private:
    void UseSystemFont();
    void MakeFonts(const LOGFONTW& menuFont, double glyphScale);
    int TextWidth(HFONT font, const std::wstring& text, UINT format) const;
    int CheckColumnWidth() const;
    int RightMargin() const;
    void DrawMark(HDC dc, RECT bounds, bool radio, COLORREF colour) const;

    MenuFont m_font;
    bool m_ownFont = false;
    UniqueMemoryDc m_measureDc;
    UniqueHfont m_textFont;
    UniqueHfont m_headerFont;
    UniqueHfont m_glyphFont;
    bool m_glyphFontFound = false;
    int m_textHeight = 0;
    int m_averageCharWidth = 0;
};

}  // namespace snapwright::win32
