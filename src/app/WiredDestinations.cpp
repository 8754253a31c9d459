#include "WiredDestinations.h"

#include <string>

#include "platform/Diagnostics.h"

namespace snapwright {

void WiredDestinations::Run(const std::function<void()>& destination, const char* what) {
    if (destination) {
        destination();
    } else {
        DebugOutput(std::string("No ") + what + " in this program: the screenshot stays on the clipboard.");
    }
}

void WiredDestinations::Send(OfficeProgram program) {
    if (sendTo) {
        sendTo(program);
    } else {
        DebugOutput("No sending in this program: the screenshot stays on the clipboard.");
    }
}

}  // namespace snapwright
