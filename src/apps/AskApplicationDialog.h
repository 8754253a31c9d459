#pragma once
#include <functional>

#include "apps/OfficeSender.h"
#include "model/Settings.h"
#include "platform/Form.h"

namespace snapwright {

// Asks, at the moment of the shot, where the screenshot goes: one of the configured suite's three
// programs or the editor.
class AskApplicationDialog {
public:
    struct Ports {
        IForm& form;
        const Settings& settings;
        OfficeSender& sender;
        std::function<void()> showEditor;        // without a modal loop, on the current screenshot
        std::function<void()> loadToForeground;  // loads the window and brings it to the front
    };

    explicit AskApplicationDialog(Ports ports);

    // Brings the dialog to the front and shows it modally; the shot is sent on OK. True when it
    // was sent or went to the editor.
    bool Show(PicturePtr shot);

    void OnLoad();
    void OnOk();
    void OnCancel();  // also closing the window by other means

private:
    Ports m_ports;
    PicturePtr m_shot;
    bool m_delivered = false;
};

}  // namespace snapwright
