#pragma once
#include <windows.h>

#include "ui/AboutDialog.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The about box's controls, forwarding every event to AboutDialog.
class AboutWindow : public IFormEvents {
public:
    AboutWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(AboutDialog* presenter) { m_presenter = presenter; }

    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    AboutDialog* m_presenter = nullptr;
};

}  // namespace snapwright::win32
