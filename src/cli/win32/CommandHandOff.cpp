#include "cli/win32/CommandHandOff.h"

#include <windows.h>

#include "capture/win32/MainWindow.h"
#include "cli/CommandPacket.h"
#include "cli/win32/MessageWindow.h"
#include "platform/win32/MessageLoop.h"

namespace snapwright::win32 {

namespace {

constexpr UINT kHandOnMilliseconds = 10000;
constexpr UINT_PTR kLookTimer = 1;
constexpr UINT kLookMilliseconds = 250;

std::string_view PacketText(const COPYDATASTRUCT& data) {
    return {static_cast<const char*>(data.lpData), data.lpData ? data.cbData : 0};
}

}  // namespace

std::optional<HandOffOutcome> HandToTrayProgram(const std::vector<std::string>& arguments, bool showErrors) {
    const HWND program = ::FindWindowW(MainWindow::kClassName, MainWindow::kCaption);
    if (!program) return std::nullopt;

    std::optional<CommandOutcome> answer;
    bool programEnded = false;
    // The answer is sent, not posted: it arrives while the loop below waits for a message, which
    // the window posts itself to end the wait.
    MessageWindow answerWindow([&](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_COPYDATA && reinterpret_cast<HWND>(wParam) == program) {
            const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data.dwData != kOutcomePacketId || answer) return FALSE;
            answer = UnpackOutcome(PacketText(data));
            if (answer) ::PostMessageW(answerWindow.Handle(), WM_NULL, 0, 0);
            return answer ? TRUE : FALSE;
        }
        if (message == WM_TIMER && wParam == kLookTimer && !::IsWindow(program)) programEnded = true;
        return std::nullopt;
    });

    const std::string packet = PackCommand({reinterpret_cast<std::uintptr_t>(answerWindow.Handle()), showErrors, arguments});
    COPYDATASTRUCT data{kCommandPacketId, static_cast<DWORD>(packet.size()), const_cast<char*>(packet.data())};
    // The dialogs that the command opens there may come to the front, as this program's would.
    DWORD programProcess = 0;
    ::GetWindowThreadProcessId(program, &programProcess);
    ::AllowSetForegroundWindow(programProcess);
    // A program that refuses the data is not the tray program (another start, just made); one that
    // does not answer may still take the command later, so this start must not carry it out too.
    DWORD_PTR taken = FALSE;
    if (!::SendMessageTimeoutW(program, WM_COPYDATA, reinterpret_cast<WPARAM>(answerWindow.Handle()),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kHandOnMilliseconds, &taken)) {
        return HandOffOutcome{{kExitFailed, "Snapwright runs in the tray but does not answer."}, false};
    }
    if (taken != TRUE) return std::nullopt;

    ::SetTimer(answerWindow.Handle(), kLookTimer, kLookMilliseconds, nullptr);
    RunModalLoop([&] { return answer || programEnded; });
    ::KillTimer(answerWindow.Handle(), kLookTimer);
    if (answer) return HandOffOutcome{*answer, true};
    return HandOffOutcome{{kExitFailed, "Snapwright ended before it finished the command."}, false};
}

}  // namespace snapwright::win32
