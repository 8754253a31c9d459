#include "platform/win32/ControlFonts.h"

#include <utility>

#include "platform/win32/Dpi.h"

namespace snapwright::win32 {

void ControlFonts::Change(ControlId control, HWND item, const std::function<void(LOGFONTW&)>& change) {
    auto [entry, fresh] = m_descriptions.try_emplace(control);
    if (fresh) {
        HFONT current = reinterpret_cast<HFONT>(::SendMessageW(item, WM_GETFONT, 0, 0));
        ::GetObjectW(current ? current : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(entry->second), &entry->second);
    }
    change(entry->second);
    Apply(control, item);
}

void ControlFonts::Rescale(int dpi, int previous, const std::function<HWND(ControlId)>& itemOf) {
    for (auto& [control, description] : m_descriptions) {
        description.lfHeight = Rescaled(description.lfHeight, dpi, previous);
        Apply(control, itemOf(control));
    }
}

void ControlFonts::Clear() {
    m_descriptions.clear();
    m_fonts.clear();
}

// The previous font may only go once the control has let go of it.
void ControlFonts::Apply(ControlId control, HWND item) {
    UniqueHfont font(::CreateFontIndirectW(&m_descriptions[control]));
    if (!font) return;
    ::SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    m_fonts[control] = std::move(font);
}

}  // namespace snapwright::win32
