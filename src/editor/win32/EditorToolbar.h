#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "editor/Editor.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The editor's toolbar in its window: the buttons of the presenter's table with their pictures at
// the window's scale, the strength's (or text size's) label and list, the colour button and help,
// the toolbar's font (the language's) and the tooltips. The controls are the window's items; the
// toolbar lays them out, dresses them and tells where the view may start below them.
class EditorToolbar {
public:
    explicit EditorToolbar(HINSTANCE instance) : m_instance(instance) {}
    EditorToolbar(const EditorToolbar&) = delete;
    EditorToolbar& operator=(const EditorToolbar&) = delete;

    void SetPresenter(const Editor* presenter) { m_presenter = presenter; }
    // The window's controls are made; its tooltips come with it.
    void Attach(HWND window, int dpi);
    // The window is being destroyed: its tooltips go with it. Once its buttons are gone too, so do
    // their pictures.
    void OnDestroy() { m_tooltip.reset(); }
    void Detach();
    void SetDpi(int dpi) { m_dpi = dpi; }

    void SetTip(ControlId control, const std::string& tip);
    void SetFont(const std::string& face, int points);
    // The font and the pictures anew (after a change of the language or the scale).
    void Dress();
    // The controls that show in their places for the window's width; the top-left corner of the
    // view below the toolbar.
    Point Place();
    void SetButtonPressed(ControlId button, bool pressed);
    // The button's picture for its state: a disabled one shows its drawing greyed.
    void ShowEnabled(ControlId button, bool enabled);
    void ShowColour(ControlId button, Colour colour);
    // True when the item was the colour button, which the toolbar draws.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    int LabelWidth() const;
    HBITMAP LoadPicture(ToolbarPicture picture, UINT flags = LR_LOADMAP3DCOLORS) const;
    HBITMAP LoadDisabledPicture(ToolbarPicture picture) const;
    HWND Item(ControlId control) const;
    int Scaled(int pixels) const { return ::MulDiv(pixels, m_dpi, 96); }

    HINSTANCE m_instance;
    const Editor* m_presenter = nullptr;
    HWND m_window = nullptr;
    int m_dpi = 96;
    UniqueHwnd m_tooltip;
    struct ButtonPictures {
        UniqueHbitmap enabled;
        UniqueHbitmap disabled;
    };
    std::map<ControlId, ButtonPictures> m_pictures;
    UniqueHfont m_font;
    std::wstring m_fontFace = L"Arial";
    int m_fontPoints = 8;
    Colour m_colour = 0;
};

}  // namespace snapwright::win32
