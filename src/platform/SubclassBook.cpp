#include "platform/SubclassBook.h"

#include <utility>

#include "platform/ObjectError.h"

namespace snapwright {

namespace {

constexpr std::uint32_t kWmDestroy = 0x0002;
constexpr std::uint32_t kWmNcDestroy = 0x0082;

// Window handles and message numbers are written as their signed 32-bit values print; a
// window handle carries 32 significant bits on every Windows.
std::string Decimal(std::uintptr_t value) {
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

std::intptr_t AddressOf(IMessageListener* listener) {
    return reinterpret_cast<std::intptr_t>(listener);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// Keeps CurrentMessage right for a listener whose handling sends another message to a
// subclassed window: the nested dispatch gives the outer message back when it is done.
class CurrentMessageScope {
public:
    explicit CurrentMessageScope(std::uint32_t& current) : m_current(current), m_saved(current) {}
    ~CurrentMessageScope() { m_current = m_saved; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    std::uint32_t& m_current;
    std::uint32_t m_saved;
};

}  // namespace

SubclassBook::SubclassBook(ISubclassWindows& windows, std::intptr_t sharedProcedure, std::string errorSource)
    : m_windows(windows), m_sharedProcedure(sharedProcedure), m_errorSource(std::move(errorSource)) {}

std::string SubclassBook::PreviousProcName(WindowRef hwnd) {
    return Decimal(hwnd);
}

std::string SubclassBook::PairCountName(WindowRef hwnd) {
    return Decimal(hwnd) + "C";
}

std::string SubclassBook::ListenerCountName(WindowRef hwnd, std::uint32_t message) {
    return Decimal(hwnd) + "#" + Decimal(message) + "C";
}

std::string SubclassBook::ListenerName(WindowRef hwnd, std::uint32_t message, int index) {
    return Decimal(hwnd) + "#" + Decimal(message) + "#" + std::to_string(index);
}

void SubclassBook::Raise(int code) const {
    throw ObjectError(code, m_errorSource);
}

int SubclassBook::ListenerCount(WindowRef hwnd, std::uint32_t message) const {
    return static_cast<int>(m_windows.ReadProp(hwnd, ListenerCountName(hwnd, message)));
}

IMessageListener* SubclassBook::ListenerAt(WindowRef hwnd, std::uint32_t message, int index) const {
    return reinterpret_cast<IMessageListener*>(m_windows.ReadProp(hwnd, ListenerName(hwnd, message, index)));
}

// Every step that writes a property undoes the earlier steps when the write fails, so that a
// failed attachment leaves the window exactly as it was.
void SubclassBook::AttachMessage(IMessageListener* listener, WindowRef hwnd, std::uint32_t message) {
    if (listener == nullptr) Raise(kErrInvalidProcedureCall);
    if (!m_windows.IsWindow(hwnd)) Raise(kErrInvalidWindow);
    if (!m_windows.BelongsToThisProcess(hwnd)) Raise(kErrExternalWindow);

    const std::intptr_t address = AddressOf(listener);
    const int count = ListenerCount(hwnd, message);
    for (int index = 1; index <= count; ++index) {
        if (m_windows.ReadProp(hwnd, ListenerName(hwnd, message, index)) == address) Raise(kErrAlreadyHandled);
    }

    const std::string countName = ListenerCountName(hwnd, message);
    const std::string entryName = ListenerName(hwnd, message, count + 1);
    if (!m_windows.WriteProp(hwnd, countName, count + 1)) Raise(kErrInvalidProcedureCall);
    const auto undoListener = [&] {
        m_windows.WriteProp(hwnd, entryName, 0);
        m_windows.WriteProp(hwnd, countName, count);
    };
    if (!m_windows.WriteProp(hwnd, entryName, address)) {
        undoListener();
        Raise(kErrInvalidProcedureCall);
    }

    const std::string previousName = PreviousProcName(hwnd);
    const std::intptr_t pairs = m_windows.ReadProp(hwnd, PairCountName(hwnd));
    if (pairs == 0) {
        const std::intptr_t previous = m_windows.ReplaceWindowProc(hwnd, m_sharedProcedure);
        if (previous == 0) {
            undoListener();
            Raise(kErrCantSubclass);
        }
        if (!m_windows.WriteProp(hwnd, previousName, previous)) {
            m_windows.ReplaceWindowProc(hwnd, previous);
            undoListener();
            Raise(kErrInvalidProcedureCall);
        }
    }

    if (!m_windows.WriteProp(hwnd, PairCountName(hwnd), pairs + 1)) {
        undoListener();
        if (pairs == 0) {
            m_windows.ReplaceWindowProc(hwnd, m_windows.ReadProp(hwnd, previousName));
            m_windows.WriteProp(hwnd, previousName, 0);
        }
        Raise(kErrInvalidProcedureCall);
    }
}

void SubclassBook::DetachMessage(IMessageListener* listener, WindowRef hwnd, std::uint32_t message) {
    if (listener == nullptr || !m_windows.IsWindow(hwnd) || !m_windows.BelongsToThisProcess(hwnd)) return;
    const int count = ListenerCount(hwnd, message);
    if (count <= 0) return;
    const std::intptr_t address = AddressOf(listener);
    int found = 0;
    for (int index = 1; index <= count && found == 0; ++index) {
        if (m_windows.ReadProp(hwnd, ListenerName(hwnd, message, index)) == address) found = index;
    }
    if (found == 0) return;

    // Close the gap, so that the listeners stay numbered 1 to count - 1 in attaching order.
    for (int index = found; index < count; ++index) {
        m_windows.WriteProp(hwnd, ListenerName(hwnd, message, index),
                          m_windows.ReadProp(hwnd, ListenerName(hwnd, message, index + 1)));
    }
    m_windows.WriteProp(hwnd, ListenerName(hwnd, message, count), 0);
    m_windows.WriteProp(hwnd, ListenerCountName(hwnd, message), count - 1);

    const std::intptr_t pairs = m_windows.ReadProp(hwnd, PairCountName(hwnd));
    if (pairs <= 1) {
        const std::string previousName = PreviousProcName(hwnd);
        const std::intptr_t previous = m_windows.ReadProp(hwnd, previousName);
        if (previous != 0) m_windows.ReplaceWindowProc(hwnd, previous);
        m_windows.WriteProp(hwnd, previousName, 0);
    }
    m_windows.WriteProp(hwnd, PairCountName(hwnd), pairs > 1 ? pairs - 1 : 0);
}

std::intptr_t SubclassBook::CallPreviousWindowProc(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
    const std::intptr_t previous = m_windows.ReadProp(hwnd, PreviousProcName(hwnd));
    if (previous == 0) return 0;
    return m_windows.CallProcedure(previous, hwnd, message, wParam, lParam);
}

// Ends the subclassing of a window that goes away: its previous procedure goes back and every
// property of the scheme is removed. Window properties are not freed with the window, and each
// name is an entry in the system's atom table, so leaving them behind would leak atoms with
// every window destroyed while listeners were attached.
void SubclassBook::ForgetWindow(WindowRef hwnd, std::intptr_t previous) {
    m_windows.ReplaceWindowProc(hwnd, previous);
    const std::string previousName = PreviousProcName(hwnd);
    const std::string pairName = PairCountName(hwnd);
    const std::string messagePrefix = previousName + "#";
    for (const std::string& name : m_windows.PropNames(hwnd)) {
        if (name == previousName || name == pairName || StartsWith(name, messagePrefix)) {
            m_windows.WriteProp(hwnd, name, 0);
        }
    }
}

std::intptr_t SubclassBook::Dispatch(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    const std::intptr_t previous = m_windows.ReadProp(hwnd, PreviousProcName(hwnd));
    if (previous == 0) return 0;

    const int count = ListenerCount(hwnd, message);
    if (count <= 0) {
        if ((message == kWmDestroy && m_windows.ReadProp(hwnd, PairCountName(hwnd)) > 0) || message == kWmNcDestroy) {
            ForgetWindow(hwnd, previous);
        }
        return m_windows.CallProcedure(previous, hwnd, message, wParam, lParam);
    }

    CurrentMessageScope scope(m_currentMessage);
    bool previousCalled = false;
    IMessageListener* lastCalled = nullptr;
    std::intptr_t result = 0;
    // The most recently attached listener hears the message first; the first-attached one,
    // heard last, decides when the previous procedure runs.
    for (int index = count; index >= 1; --index) {
        IMessageListener* listener = ListenerAt(hwnd, message, index);
        if (listener == nullptr) continue;
        m_currentMessage = message;
        if (index == 1 && !previousCalled && listener->Response() == SubclassResponse::CallPreviousBefore) {
            m_windows.CallProcedure(previous, hwnd, message, wParam, lParam);
            previousCalled = true;
        }
        result = listener->WindowProc(hwnd, message, wParam, lParam);
        lastCalled = listener;
    }
    if (lastCalled != nullptr && !previousCalled &&
        lastCalled->Response() == SubclassResponse::CallPreviousAfter) {
        result = m_windows.CallProcedure(previous, hwnd, message, wParam, lParam);
    }

    // The last message a window receives: whatever is still attached goes with it.
    if (message == kWmNcDestroy && m_windows.ReadProp(hwnd, PreviousProcName(hwnd)) != 0) ForgetWindow(hwnd, previous);
    return result;
}

}  // namespace snapwright
