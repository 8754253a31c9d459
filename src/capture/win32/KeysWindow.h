#pragma once
#include <windows.h>

#include <optional>

#include "capture/KeysDialog.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/win32/DialogForm.h"

namespace snapwright::win32 {

// The keys dialog's controls, forwarding every event to KeysDialog. Its key fields read the keys
// pressed in them themselves: the system's hotkey control cannot take Print Screen, which Windows
// delivers to a window only as a key's release.
class KeysWindow : public IFormEvents {
public:
    KeysWindow(HINSTANCE instance, HICON icon);
    ~KeysWindow() override;
    DialogForm& Form() { return m_form; }
    void SetPresenter(KeysDialog* presenter) { m_presenter = presenter; }

    void OnLoad() override;
    void OnClick(ControlId control) override;
    void OnCloseRequest() override;
    bool OnKeyboardMessage(const MSG& message) override;
    std::optional<INT_PTR> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ReadKey(int code, WPARAM message, LPARAM data);
    std::optional<std::size_t> FieldRow(HWND window);
    void StartReading();
    void StopReading();
    void KeyPressed(unsigned modifiers, unsigned virtualKey);

    DialogForm m_form;
    KeysDialog* m_presenter = nullptr;
    // While a field has the focus: the keyboard as it is pressed, before other programs' keys.
    UniqueHhook m_keyboard;
};

}  // namespace snapwright::win32
