#include "platform/win32/DialogScaling.h"

#include <algorithm>
#include <utility>

#include "platform/win32/Dpi.h"

namespace snapwright::win32 {

std::vector<DialogScaling::ChildPlace> DialogScaling::ChildPlaces(HWND dialog) {
    std::vector<ChildPlace> places;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        RECT dropped{};
        if (::SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped))) {
            rect.bottom = std::max(rect.bottom, dropped.bottom);
        }
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        places.push_back({child, rect});
    }
    return places;
}

void DialogScaling::MoveChildren(const std::vector<ChildPlace>& places, int dpi, int previous) {
    for (const auto& [child, rect] : places) {
        ::MoveWindow(child, Rescaled(rect.left, dpi, previous), Rescaled(rect.top, dpi, previous),
                     Rescaled(rect.right - rect.left, dpi, previous), Rescaled(rect.bottom - rect.top, dpi, previous),
                     FALSE);
    }
}

// The template's font belongs to the dialog; the controls that wear it get a rescaled copy of ours.
void DialogScaling::RescaleTemplateFont(HWND dialog, int dpi, int previous) {
    HFONT templateFont = reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
    HFONT current = m_templateFont ? m_templateFont.get() : templateFont;
    LOGFONTW description{};
    if (!current || !::GetObjectW(current, sizeof(description), &description)) return;
    description.lfHeight = Rescaled(description.lfHeight, dpi, previous);
    UniqueHfont rescaled(::CreateFontIndirectW(&description));
    if (!rescaled) return;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
        if (font == templateFont || font == current) {
            ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(rescaled.get()), FALSE);
        }
    }
    m_templateFont = std::move(rescaled);
}

}  // namespace snapwright::win32
