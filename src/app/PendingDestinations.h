#pragma once
#include "capture/ShotDestinations.h"

namespace snapwright {

// Destinations of this build: every one leaves the screenshot on the clipboard and in its slot.
// Printing, saving and sending take their place here as they are built.
class PendingDestinations : public IShotDestinations {
public:
    void PrintHardcopy() override;
    void StartSaveAs() override;
    void SendToWord() override;
    void SendToExcel() override;
    void SendToPowerPoint() override;
    void SendToWriter() override;
    void SendToCalc() override;
    void SendToImpress() override;
    void AskApplication() override;
    void OpenEditor() override;
};

}  // namespace snapwright
