#pragma once

namespace snapwright {

// Where a screenshot goes after it has been taken and copied to the clipboard. Each works on the
// current screenshot and reads the settings itself.
class IShotDestinations {
public:
    virtual ~IShotDestinations() = default;
    virtual void PrintHardcopy() = 0;
    virtual void StartSaveAs() = 0;
    virtual void SendToWord() = 0;
    virtual void SendToExcel() = 0;
    virtual void SendToPowerPoint() = 0;
    virtual void SendToWriter() = 0;
    virtual void SendToCalc() = 0;
    virtual void SendToImpress() = 0;
    virtual void AskApplication() = 0;  // the application choice dialog, modal
    virtual void OpenEditor() = 0;      // the editor, modal
};

}  // namespace snapwright
