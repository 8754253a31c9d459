#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/Editor.h"
#include "editor/Preview.h"
#include "editor/win32/EditorTextField.h"
#include "editor/win32/EditorToolbar.h"
#include "editor/win32/EditorView.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The editor's window: a form whose controls are made in code and held by the parts that serve
// them: the toolbar (its buttons, tips and layout), the view (the picture, its scrolling and the
// mouse) and the text field typed in place. It forwards the form's events to its Editor and offers
// it the editor's own window services beside the form.
class EditorWindow : public IFormEvents, public IEditorWindow {
public:
    EditorWindow(HINSTANCE instance, HICON icon);
    ~EditorWindow() override;
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    DialogForm& Form() { return m_form; }
    void SetPresenter(Editor* presenter);
    HWND Window() const { return m_window; }  // null while it is not loaded

    // IFormEvents
    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;
    void OnEscape() override {}  // Escape leaves a tool (OnKey); it never closes the editor
    bool OnKey(const KeyPress& key) override;
    bool OnDpiChanged(int dpi) override;
    void OnEnabledChanged(ControlId control, bool enabled) override { m_toolbar.ShowEnabled(control, enabled); }
    std::optional<INT_PTR> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // IEditorWindow
    WindowRef Handle() override { return reinterpret_cast<WindowRef>(m_form.Handle()); }
    void ShowPicture(PicturePtr picture, Point offset) override { m_view.ShowPicture(std::move(picture), offset); }
    void ChangePicture(const std::vector<PlacedPixels>& parts) override { m_view.ChangePicture(parts); }
    void ShowPreview(const Preview& preview, const std::vector<Rect>& changed) override {
        m_view.ShowPreview(preview, changed);
    }
    PicturePtr CopyFromView(const Rect& region) override { return m_view.CopyFromView(region); }
    Size ClientSize() const override;
    Rect ControlBounds(ControlId control) const override;
    void SetControlBounds(ControlId control, const Rect& bounds) override;
    int ScrollBarThickness() const override;
    void SetScrollMaximum(ControlId bar, int maximum) override { m_view.SetScrollMaximum(bar, maximum); }
    int ScrollValue(ControlId bar) const override { return m_view.ScrollValue(bar); }
    void SetScrollValue(ControlId bar, int value) override { m_view.SetScrollValue(bar, value); }
    void SetButtonPressed(ControlId button, bool pressed) override { m_toolbar.SetButtonPressed(button, pressed); }
    void SetTip(ControlId control, const std::string& tip) override { m_toolbar.SetTip(control, tip); }
    void SetTextFont(const std::string& face, int points) override;
    bool ShiftHeld() const override { return m_view.ShiftHeld(); }
    void BeginText(const Rect& box, Colour colour, int pixelHeight, const std::string& text) override;
    std::string EndText() override { return m_textField.End(); }
    void ShowColour(ControlId button, Colour colour) override { m_toolbar.ShowColour(button, colour); }
    std::optional<Colour> ChooseColour(Colour initial) override;
    EditorAnswer Ask(const std::string& text, const std::string& title, EditorQuestion question) override;
    void Inform(const std::string& text, const std::string& title) override;

private:
    void CreateControls();
    HWND Make(ControlId control, const wchar_t* className, DWORD style, void* creator = nullptr);
    void LayOutToolbar();
    void PlaceToolbar();
    bool ListOpen() const;
    void Unloaded();
    HWND Item(ControlId control) const;

    HINSTANCE m_instance;
    DialogForm m_form;
    Editor* m_presenter = nullptr;
    HWND m_window = nullptr;
    int m_dpi = 96;
    EditorToolbar m_toolbar;
    EditorTextField m_textField;
    EditorView m_view;
};

}  // namespace snapwright::win32
