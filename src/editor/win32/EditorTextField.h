#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "editor/Editor.h"
#include "editor/FieldText.h"
#include "editor/win32/GdiTextRasteriser.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The field in which text is typed in place, a child of the editor's view: borderless and without
// margins in the text's font and colour, so that its text stands where it goes into the picture.
// In a box it wraps its lines as the picture's text does (FieldText), measured as the picture's
// letters are. It grows with its text; a click or Tab elsewhere in the editor puts the text in,
// through the presenter, as Enter does.
class EditorTextField {
public:
    explicit EditorTextField(HINSTANCE instance) : m_instance(instance) {}
    EditorTextField(const EditorTextField&) = delete;
    EditorTextField& operator=(const EditorTextField&) = delete;

    void SetPresenter(Editor* presenter) { m_presenter = presenter; }
    // In the view, at the box (a width of 0: one that grows to the right), taking the focus.
    void Begin(HWND view, const Rect& box, Colour colour, int pixelHeight);
    // Its text; the field is gone and the view has the focus it had.
    std::string End();
    // True while the field has the focus and the keys are typed into it.
    bool Typing() const;
    // A key while typing: the ones that end the typing go to the presenter, Shift+Enter a new line.
    bool OnKey(const KeyPress& key);
    // The field's messages to the view; nothing for other messages.
    std::optional<LRESULT> OnViewMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Fit();
    void OnChange();
    void ShowText();
    void OnLeft(HWND view, HWND field);

    HINSTANCE m_instance;
    Editor* m_presenter = nullptr;
    UniqueHwnd m_field;
    UniqueHfont m_font;
    Colour m_colour = 0;
    int m_pixelHeight = 0;
    Rect m_box;
    GdiTextRasteriser m_letters;
    std::optional<FieldText> m_text;
    bool m_deletingForward = false;  // the last key was Delete
    bool m_showing = false;          // the field's text is being set from m_text
};

}  // namespace snapwright::win32
