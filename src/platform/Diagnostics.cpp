#include "platform/Diagnostics.h"

#include <utility>

namespace snapwright {

namespace {
std::function<void(const std::string&)>& Sink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}
}  // namespace

void DebugOutput(const std::string& text) {
    if (Sink()) Sink()(text);
}

void SetDebugOutputSink(std::function<void(const std::string&)> sink) {
    Sink() = std::move(sink);
}

}  // namespace snapwright
