#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/Editor.h"
#include "editor/Preview.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The editor's window: a form whose controls are made and laid out in code, a toolbar row from the
// presenter's table, the view that shows the picture from the scroll offset with the preview over
// it and reports the mouse, and the two scroll bars. It forwards every event to its Editor and
// offers it the editor's own window services beside the form.
class EditorWindow : public IFormEvents, public IEditorWindow {
public:
    EditorWindow(HINSTANCE instance, HICON icon);
    ~EditorWindow() override;
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    DialogForm& Form() { return m_form; }
    void SetPresenter(Editor* presenter) { m_presenter = presenter; }
    HWND Window() const { return m_window; }  // null while it is not loaded

    // IFormEvents
    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;
    void OnEscape() override {}  // Escape leaves a tool (OnKey); it never closes the editor
    bool OnKey(const KeyPress& key) override;
    bool OnDpiChanged(int dpi) override;
    std::optional<INT_PTR> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // IEditorWindow
    WindowRef Handle() override { return reinterpret_cast<WindowRef>(m_form.Handle()); }
    void ShowPicture(PicturePtr picture, Point offset) override;
    void ShowPreview(const Preview& preview, const std::vector<Rect>& changed) override;
    PicturePtr CopyFromView(const Rect& region) override;
    Size ClientSize() const override;
    Rect ControlBounds(ControlId control) const override;
    void SetControlBounds(ControlId control, const Rect& bounds) override;
    int ScrollBarThickness() const override;
    void SetScrollMaximum(ControlId bar, int maximum) override;
    int ScrollValue(ControlId bar) const override;
    void SetScrollValue(ControlId bar, int value) override;
    void SetButtonPressed(ControlId button, bool pressed) override;
    void SetTip(ControlId control, const std::string& tip) override;
    void SetTextFont(const std::string& face, int points) override;
    bool ShiftHeld() const override { return m_shiftHeld; }
    void BeginText(const Rect& box, Colour colour, int pixelHeight) override;
    std::string EndText() override;
    void ShowColour(ControlId button, Colour colour) override;
    std::optional<Colour> ChooseColour(Colour initial) override;
    EditorAnswer Ask(const std::string& text, const std::string& title, EditorQuestion question) override;
    void Inform(const std::string& text, const std::string& title) override;

private:
    LRESULT OnViewMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    HWND Make(ControlId control, const wchar_t* className, DWORD style);
    void LayOutToolbar();
    int LabelWidth() const;
    HBITMAP LoadPicture(ToolbarPicture picture) const;
    void PaintView(HWND view);
    void ComposePicture(HDC dc, const RECT& area) const;
    void OnScrollBar(HWND bar, int code);
    void ScrollBy(EditorControl bar, int steps);
    void DrawColourButton(const DRAWITEMSTRUCT& item) const;
    void FitTextField();
    void OnTextFieldLeft(HWND field);
    bool OnTextFieldKey(const KeyPress& key);
    void Unloaded();
    HWND Item(ControlId control) const;
    int Scaled(int pixels) const { return ::MulDiv(pixels, m_dpi, 96); }

    HINSTANCE m_instance;
    DialogForm m_form;
    Editor* m_presenter = nullptr;
    HWND m_window = nullptr;
    UniqueHwnd m_tooltip;
    std::vector<UniqueHbitmap> m_pictures;
    UniqueHfont m_font;
    std::wstring m_fontFace = L"Arial";  // the language's, for the toolbar's texts
    int m_fontPoints = 8;
    int m_dpi = 96;
    PicturePtr m_viewPicture;
    Point m_viewOffset;
    Preview m_preview;
    // A bitmap in the display's format as large as the view, with its memory context.
    struct ViewBuffer {
        UniqueMemoryDc dc;
        UniqueHbitmap bitmap;
        std::optional<ScopedSelectObject> selected;
        Size size;
        bool Prepare(Size wanted);  // false when the system made none
        void Release();
    };
    ViewBuffer m_shown;  // the picture as the view shows it
    bool m_shownCurrent = false;
    ViewBuffer m_back;  // where the view is composed, to be copied to the screen at once
    Colour m_colour = 0;
    bool m_shiftHeld = false;
    // The field where text is typed, a child of the view, with its look and place.
    UniqueHwnd m_textField;
    UniqueHfont m_textFont;
    Colour m_textColour = 0;
    int m_textHeight = 0;
    Rect m_textBox;
    std::array<int, 2> m_scrollMaximum{};
};

}  // namespace snapwright::win32
