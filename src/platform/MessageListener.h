#pragma once
#include <cstdint>

#include "platform/Geometry.h"

namespace snapwright {

// What the shared window procedure does with a window's previous procedure for the message a
// listener is handling.
enum class SubclassResponse : std::int32_t {
    Consume = 0,         // not called: the listener answers the message alone
    CallPreviousAfter = 1,
    CallPreviousBefore = 2,
};

// An object that listens to chosen messages of a window (attached through SharedWindowProc).
class IMessageListener {
public:
    virtual ~IMessageListener() = default;
    virtual SubclassResponse Response() const = 0;
    virtual void Response(SubclassResponse response) = 0;
    virtual std::intptr_t WindowProc(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
};

}  // namespace snapwright
