#include "cli/win32/DelayedCalls.h"

#include <utility>

namespace snapwright::win32 {

DelayedCalls::DelayedCalls()
    : m_window([this](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
          if (message != WM_TIMER) return std::nullopt;
          OnTimer(static_cast<UINT_PTR>(wParam));
          return 0;
      }) {}

void DelayedCalls::After(int milliseconds, std::function<void()> call) {
    const UINT_PTR id = m_nextId++;
    m_calls.emplace(id, std::move(call));
    ::SetTimer(m_window.Handle(), id, static_cast<UINT>(milliseconds > 0 ? milliseconds : 0), nullptr);
}

// The call is taken out before it runs: it may open a dialog, in whose loop other timers fire.
void DelayedCalls::OnTimer(UINT_PTR id) {
    ::KillTimer(m_window.Handle(), id);
    const auto found = m_calls.find(id);
    if (found == m_calls.end()) return;
    const std::function<void()> call = std::move(found->second);
    m_calls.erase(found);
    call();
}

}  // namespace snapwright::win32
