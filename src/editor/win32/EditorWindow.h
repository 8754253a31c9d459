#pragma once
#include <windows.h>

#include <array>
#include <vector>

#include "editor/Editor.h"
#include "editor/win32/GdiDrawing.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The editor's window, laid out in code: a toolbar row, the view that shows the picture from the
// scroll offset and reports the mouse, and the two scroll bars. It forwards every event to its
// Editor and offers it the generic form and the editor's own window services.
class EditorWindow : public IForm, public IEditorWindow {
public:
    EditorWindow(HINSTANCE instance, HICON icon);
    ~EditorWindow() override;
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    void SetPresenter(Editor* presenter) { m_presenter = presenter; }
    HWND Window() const { return m_window; }

    // IForm
    void SetText(ControlId control, const std::string& text) override;
    std::string Text(ControlId control) const override;
    void SetFontName(ControlId, const std::string&) override {}
    void SetFontSize(ControlId, int) override {}
    void SetChecked(ControlId control, bool checked) override;
    bool Checked(ControlId control) const override;
    void SetVisible(ControlId control, bool visible) override;
    void SetEnabled(ControlId control, bool enabled) override;
    void SetBounds(ControlId control, const Rect& twips) override;
    Rect Bounds(ControlId control) const override;
    void ClearList(ControlId control) override;
    void AddListItem(ControlId control, const std::string& text) override;
    void SetListIndex(ControlId control, int index) override;
    int ListIndex(ControlId control) const override;
    void ShowModal() override;
    void Show() override;
    void Hide() override;
    void Unload() override;

    // IEditorWindow
    WindowRef Handle() override { return reinterpret_cast<WindowRef>(m_window); }
    void SetViewPicture(PicturePtr picture) override;
    void PaintView(Point offset) override;
    IDrawing& ViewMarkers() override { return m_markers; }
    PicturePtr CopyFromView(const Rect& region) override;
    std::unique_ptr<IWorkingPicture> WorkOn(const Picture& picture) override;
    Size ClientSize() const override;
    Rect ControlBounds(ControlId control) const override;
    void SetControlBounds(ControlId control, const Rect& bounds) override;
    int ScrollBarThickness() const override;
    void SetScrollMaximum(ControlId bar, int maximum) override;
    int ScrollValue(ControlId bar) const override;
    void SetScrollValue(ControlId bar, int value) override;
    void SetButtonPressed(ControlId button, bool pressed) override;
    Colour ButtonColour(ControlId button) const override;
    void SetButtonColour(ControlId button, Colour colour) override;
    std::optional<Colour> ChooseColour(Colour initial) override;
    EditorAnswer Ask(const std::string& text, const std::string& title, EditorQuestion question) override;
    void Inform(const std::string& text, const std::string& title) override;

private:
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnViewMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
    void Load();
    void CreateControls();
    void LayOutToolbar();
    void OnDpiChanged(int dpi, const RECT& suggested);
    HBITMAP LoadPicture(int id) const;
    void PaintViewOn(HDC dc, const RECT& area) const;
    void OnScrollBar(HWND bar, int code);
    void ScrollBy(EditorControl bar, int steps);
    void DrawColourButton(const DRAWITEMSTRUCT& item) const;
    HWND Item(ControlId control) const;
    int Scaled(int pixels) const { return ::MulDiv(pixels, m_dpi, 96); }

    HINSTANCE m_instance;
    HICON m_icon;
    Editor* m_presenter = nullptr;
    HWND m_window = nullptr;
    HWND m_tooltip = nullptr;
    std::vector<HWND> m_controls;  // by EditorControl
    std::vector<UniqueHbitmap> m_pictures;
    UniqueHfont m_font;
    int m_dpi = 96;
    bool m_modal = false;
    PicturePtr m_viewPicture;
    Point m_viewOffset;
    GdiDrawing m_markers;
    Colour m_colour = 0;
    std::array<int, 2> m_scrollMaximum{};
};

}  // namespace snapwright::win32
