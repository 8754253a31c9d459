#pragma once
#include <windows.h>

#include "save/frmSaveAs.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The save dialog's controls, forwarding every event to frmSaveAs.
class SaveAsWindow : public IFormEvents {
public:
    SaveAsWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(frmSaveAs* presenter) { m_presenter = presenter; }

    void Form_Load() override;
    void OnClick(ControlId control) override;
    void OnScroll(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    frmSaveAs* m_presenter = nullptr;
};

}  // namespace snapwright::win32
