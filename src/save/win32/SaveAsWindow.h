#pragma once
#include <windows.h>

#include "save/SaveAsDialog.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The save dialog's controls, forwarding every event to SaveAsDialog.
class SaveAsWindow : public IFormEvents {
public:
    SaveAsWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(SaveAsDialog* presenter) { m_presenter = presenter; }

    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnScroll(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    SaveAsDialog* m_presenter = nullptr;
};

}  // namespace snapwright::win32
