#pragma once
#include <windows.h>

#include "capture/TrayProgram.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The start window's controls, forwarding every event to TrayProgram.
class StartWindow : public IFormEvents {
public:
    StartWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(TrayProgram* presenter) { m_presenter = presenter; }

    void OnLoad() override {}
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;
    void OnMinimized() override;

private:
    DialogForm m_form;
    TrayProgram* m_presenter = nullptr;
};

}  // namespace snapwright::win32
