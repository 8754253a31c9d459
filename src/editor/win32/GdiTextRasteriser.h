#pragma once
#include <windows.h>

#include <map>
#include <optional>

#include "editor/TextRasteriser.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The editor's letters from GDI: the font of the text field (TextFont), measured with its own
// advances and drawn white on black into a bitmap of the program's own, whose grey is the
// coverage. The fonts of the sizes asked for are kept.
class GdiTextRasteriser : public ITextRasteriser {
public:
    GdiTextRasteriser();

    int LineHeight(int pixelHeight) override;
    std::vector<int> Extents(const std::u32string& line, int pixelHeight) override;
    GlyphMask Rasterise(const std::u32string& line, int pixelHeight) override;

private:
    // The memory context with the font of a size selected; null when the system made none.
    HDC WithFont(int pixelHeight);

    UniqueMemoryDc m_dc;
    std::map<int, UniqueHfont> m_fonts;
    std::optional<ScopedSelectObject> m_selected;
};

}  // namespace snapwright::win32
