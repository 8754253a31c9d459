#pragma once
#include <windows.h>

#include "settings/frmOptions.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The options dialog's controls, forwarding every event to frmOptions.
class OptionsWindow : public IFormEvents {
public:
    OptionsWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(frmOptions* presenter) { m_presenter = presenter; }

    void Form_Load() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    frmOptions* m_presenter = nullptr;
};

}  // namespace snapwright::win32
