#pragma once
#include "platform/InformationBox.h"

namespace snapwright::win32 {

// MessageBoxW with an OK button, owned by the program's active window (the dialog that asked).
class Win32InformationBox : public IInformationBox {
public:
    void Show(const std::string& title, const std::string& text) override;
};

}  // namespace snapwright::win32
