#pragma once
#include <windows.h>

#include "ui/frmAbout.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The about box's controls, forwarding every event to frmAbout.
class AboutWindow : public IFormEvents {
public:
    AboutWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(frmAbout* presenter) { m_presenter = presenter; }

    void Form_Load() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    frmAbout* m_presenter = nullptr;
};

}  // namespace snapwright::win32
