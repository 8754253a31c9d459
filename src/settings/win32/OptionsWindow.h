#pragma once
#include <windows.h>

#include "settings/OptionsDialog.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The options dialog's controls, forwarding every event to OptionsDialog.
class OptionsWindow : public IFormEvents {
public:
    OptionsWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(OptionsDialog* presenter) { m_presenter = presenter; }

    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    OptionsDialog* m_presenter = nullptr;
};

}  // namespace snapwright::win32
