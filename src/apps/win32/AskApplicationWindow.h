#pragma once
#include <windows.h>

#include "apps/AskApplicationDialog.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The controls of the dialog that asks where a screenshot goes, forwarding every event.
class AskApplicationWindow : public IFormEvents {
public:
    AskApplicationWindow(HINSTANCE instance, HICON icon);
    DialogForm& Form() { return m_form; }
    void SetPresenter(AskApplicationDialog* presenter) { m_presenter = presenter; }

    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;

private:
    DialogForm m_form;
    AskApplicationDialog* m_presenter = nullptr;
};

}  // namespace snapwright::win32
