#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "platform/Form.h"
#include "platform/KeyPress.h"
#include "platform/SliderForm.h"
#include "platform/win32/ControlFonts.h"
#include "platform/win32/DialogScaling.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

// What a presenter hears from its window. Every event of a control comes with the control's id
// in the window's own enum.
class IFormEvents {
public:
    virtual ~IFormEvents() = default;
    virtual void OnLoad() = 0;
    virtual void OnClick(ControlId /*control*/) {}        // buttons, option buttons, check boxes, lists
    virtual void OnScroll(ControlId /*control*/) {}       // a slider moved
    virtual void OnCloseRequest() = 0;                    // the system's close (Alt+F4, the title bar)
    virtual void OnEscape() { OnCloseRequest(); }
    virtual void OnMinimized() {}
    // A key pressed in the window, before the dialog manager sees it; true when it was used.
    virtual bool OnKey(const KeyPress&) { return false; }
    // Every keyboard message for the window or its controls (key down and up, system keys, characters),
    // before anything else sees it; true when it was used and goes no further.
    virtual bool OnKeyboardMessage(const MSG&) { return false; }
    // The window moved onto a monitor of another scale: true when it lays itself out anew, else the
    // form rescales its controls.
    virtual bool OnDpiChanged(int /*dpi*/) { return false; }
    // A control was enabled or disabled through the form.
    virtual void OnEnabledChanged(ControlId /*control*/, bool /*enabled*/) {}
    // Every message, before the form's own handling; a result when the message was handled.
    virtual std::optional<INT_PTR> OnWindowMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }
};

// A dialog laid out by a DIALOGEX resource, or by its window in code, and seen by its presenter
// through IForm. Like a form of the program's windows, it is loaded (created, hidden) when first
// addressed and unloaded by its own buttons; ShowModal shows it and runs a modal loop
// (MessageLoop.h) until it is hidden or unloaded. While it exists, its keys go to its presenter
// first in every message loop (FormRegistry).
class DialogForm : public IForm, public ISliderForm {
public:
    struct ControlBinding {
        ControlId control;
        int dialogItem;
    };

    DialogForm(HINSTANCE instance, int templateId, std::vector<ControlBinding> controls = {});
    ~DialogForm() override;
    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;

    // The window's presenter side, its icon, and the label that stands in for its title bar: it
    // drags the window and wears the caption colours, in bold.
    void Attach(IFormEvents& events, HICON icon, std::optional<ControlId> captionLabel = std::nullopt);
    // The window's own title (on the task bar) becomes the caption label's text.
    void TitleFromCaptionLabel() { ::SetWindowTextW(Handle(), ToWide(Text(m_captionLabel)).c_str()); }
    // A control made in code takes its place in the form.
    void Bind(ControlId control, int dialogItem);
    // The window is placed by its own code when it loads, not centred on the pointer's monitor.
    void PlaceByItself() { m_placesItself = true; }

    bool IsLoaded() const { return m_window != nullptr; }
    HWND Handle();  // loads the dialog when it is not loaded
    void Load();
    HWND ItemWindow(ControlId control);

    void SetText(ControlId control, const std::string& text) override;
    std::string Text(ControlId control) const override;
    void SetFontName(ControlId control, const std::string& face) override;
    void SetFontSize(ControlId control, int points) override;
    void SetFontBold(ControlId control, bool bold);
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
    void SetFocus(ControlId control) override;
    void SetSliderMin(ControlId control, int value) override;
    void SetSliderMax(ControlId control, int value) override;
    void SetSliderValue(ControlId control, int value) override;
    int SliderValue(ControlId control) const override;
    void ShowModal() override;
    void Show() override;
    void Hide() override;
    void Unload() override;

private:
    INT_PTR OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnKeyboard(const MSG& message);
    HWND Item(ControlId control) const;
    bool FindControl(int dialogItem, ControlId& control) const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    void RescaleControls(int dpi, int previous);
    void PlaceOnPointerMonitor();
    void BringToFront();

    HINSTANCE m_instance;
    int m_templateId;
    std::vector<ControlBinding> m_controls;
    IFormEvents* m_events = nullptr;
    HWND m_window = nullptr;
    HICON m_icon = nullptr;
    ControlId m_captionLabel = -1;
    bool m_modal = false;
    bool m_placesItself = false;
    ControlFonts m_fonts;
    int m_dpi = 96;
    DialogScaling m_scaling;
};

}  // namespace snapwright::win32
