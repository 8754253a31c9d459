#pragma once
#include <functional>
#include <string>

namespace snapwright {

// Internal diagnostics for the developer (the debugger output on Windows); never shown to the user.
void DebugOutput(const std::string& text);
void SetDebugOutputSink(std::function<void(const std::string&)> sink);

}  // namespace snapwright
