#pragma once
#include <string>

#include "model/Settings.h"
#include "platform/Form.h"

namespace snapwright {

// Asks whether an office program that is not running should be started.
class StartApplicationDialog {
public:
    StartApplicationDialog(IForm& form, const Settings& settings);

    // Shows the dialog modally for the program; true when the user chose to start it.
    bool Ask(const std::string& displayName);

    void OnLoad();
    void OnOk();
    void OnCancel();  // also closing the window by other means

private:
    IForm& m_form;
    const Settings& m_settings;
    std::string m_displayName;
    bool m_answer = false;
};

}  // namespace snapwright
