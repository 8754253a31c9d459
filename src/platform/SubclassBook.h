#pragma once
#include <cstdint>
#include <string>

#include "platform/Geometry.h"
#include "platform/MessageListener.h"
#include "platform/SubclassWindows.h"

namespace snapwright {

// The bookkeeping of window subclassing: which listeners hear which messages of which window,
// kept entirely in properties of the subclassed window, and the dispatch of the shared window
// procedure that every subclassed window runs.
class SubclassBook {
public:
    // `sharedProcedure` is what AttachMessage installs; `errorSource` names the raised errors.
    SubclassBook(ISubclassWindows& windows, std::intptr_t sharedProcedure, std::string errorSource);

    void AttachMessage(IMessageListener* listener, WindowRef hwnd, std::uint32_t message);
    void DetachMessage(IMessageListener* listener, WindowRef hwnd, std::uint32_t message);
    std::uint32_t CurrentMessage() const { return m_currentMessage; }
    std::intptr_t CallPreviousWindowProc(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    // The shared window procedure.
    std::intptr_t Dispatch(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // The property names: H, H "C", H "#" M "C", H "#" M "#" I, in signed 32-bit decimal.
    static std::string PreviousProcName(WindowRef hwnd);
    static std::string PairCountName(WindowRef hwnd);
    static std::string ListenerCountName(WindowRef hwnd, std::uint32_t message);
    static std::string ListenerName(WindowRef hwnd, std::uint32_t message, int index);

private:
    [[noreturn]] void Raise(int code) const;
    int ListenerCount(WindowRef hwnd, std::uint32_t message) const;
    IMessageListener* ListenerAt(WindowRef hwnd, std::uint32_t message, int index) const;
    void ForgetWindow(WindowRef hwnd, std::intptr_t previous);

    ISubclassWindows& m_windows;
    std::intptr_t m_sharedProcedure;
    std::string m_errorSource;
    std::uint32_t m_currentMessage = 0;
};

}  // namespace snapwright
