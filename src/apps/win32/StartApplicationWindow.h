#pragma once
#include <windows.h>

#include "apps/StartApplicationDialog.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The controls of the dialog that asks whether an office program is started.
class StartApplicationWindow : public IFormEvents {
public:
    StartApplicationWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(StartApplicationDialog* presenter) { m_presenter = presenter; }

    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    StartApplicationDialog* m_presenter = nullptr;
};

}  // namespace snapwright::win32
