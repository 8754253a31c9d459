#pragma once
#include <windows.h>

#include "capture/frmMain.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The start window's controls, forwarding every event to frmMain.
class StartWindow : public IFormEvents {
public:
    StartWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(frmMain* presenter) { m_presenter = presenter; }

    void Form_Load() override {}
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;
    void OnMinimized() override;

private:
    DialogForm m_form;
    frmMain* m_presenter = nullptr;
};

}  // namespace snapwright::win32
