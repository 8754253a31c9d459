#pragma once
#include <functional>

#include "capture/ShotDestinations.h"

namespace snapwright {

// Destinations of this build: printing prints the hardcopy page; the others leave the screenshot
// on the clipboard and in its slot, and take their place here as they are built.
class PendingDestinations : public IShotDestinations {
public:
    PendingDestinations() = default;
    explicit PendingDestinations(std::function<void()> printHardcopy) : m_printHardcopy(std::move(printHardcopy)) {}
    // The save dialog for the current screenshot.
    void SetStartSaveAs(std::function<void()> startSaveAs) { m_startSaveAs = std::move(startSaveAs); }

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

private:
    std::function<void()> m_printHardcopy;
    std::function<void()> m_startSaveAs;
};

}  // namespace snapwright
