#include "PendingDestinations.h"

#include "platform/Diagnostics.h"

namespace snapwright {

namespace {
void NotYet(const char* destination) {
    DebugOutput(std::string(destination) + ": the screenshot stays on the clipboard.");
}
}  // namespace

void PendingDestinations::PrintHardcopy() {
    if (m_printHardcopy) {
        m_printHardcopy();
    } else {
        NotYet("PrintHardcopy");
    }
}
void PendingDestinations::StartSaveAs() {
    if (m_startSaveAs) {
        m_startSaveAs();
    } else {
        NotYet("StartSaveAs");
    }
}
void PendingDestinations::SendToWord() { NotYet("SendToWord"); }
void PendingDestinations::SendToExcel() { NotYet("SendToExcel"); }
void PendingDestinations::SendToPowerPoint() { NotYet("SendToPowerPoint"); }
void PendingDestinations::SendToWriter() { NotYet("SendToWriter"); }
void PendingDestinations::SendToCalc() { NotYet("SendToCalc"); }
void PendingDestinations::SendToImpress() { NotYet("SendToImpress"); }
void PendingDestinations::AskApplication() { NotYet("AskApplication"); }
void PendingDestinations::OpenEditor() { NotYet("OpenEditor"); }

}  // namespace snapwright
