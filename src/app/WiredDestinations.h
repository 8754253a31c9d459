#pragma once
#include <functional>

#include "apps/OfficeSender.h"
#include "capture/ShotDestinations.h"

namespace snapwright {

// The destinations of a screenshot as the program wires them; one that is not wired leaves the
// screenshot on the clipboard and in its slot.
class WiredDestinations : public IShotDestinations {
public:
    std::function<void()> printHardcopy;
    std::function<void()> startSaveAs;
    std::function<void(OfficeProgram)> sendTo;
    std::function<void()> askApplication;
    std::function<void()> openEditor;

    void PrintHardcopy() override { Run(printHardcopy, "printing"); }
    void StartSaveAs() override { Run(startSaveAs, "saving"); }
    void SendToWord() override { Send(OfficeProgram::Word); }
    void SendToExcel() override { Send(OfficeProgram::Excel); }
    void SendToPowerPoint() override { Send(OfficeProgram::PowerPoint); }
    void SendToWriter() override { Send(OfficeProgram::Writer); }
    void SendToCalc() override { Send(OfficeProgram::Calc); }
    void SendToImpress() override { Send(OfficeProgram::Impress); }
    void AskApplication() override { Run(askApplication, "the application choice"); }
    void OpenEditor() override { Run(openEditor, "the editor"); }

private:
    static void Run(const std::function<void()>& destination, const char* what);
    void Send(OfficeProgram program);
};

}  // namespace snapwright
