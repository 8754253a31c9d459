#pragma once
#include "platform/SubclassWindows.h"

namespace snapwright::win32 {

// The window operations of the subclass bookkeeping on real windows: properties through
// SetPropW/GetPropW/RemovePropW, the procedure through SetWindowLongPtrW.
class Win32SubclassWindows : public ISubclassWindows {
public:
    bool IsWindow(WindowRef hwnd) const override;
    bool BelongsToThisProcess(WindowRef hwnd) const override;
    std::intptr_t ReadProp(WindowRef hwnd, const std::string& name) const override;
    bool WriteProp(WindowRef hwnd, const std::string& name, std::intptr_t value) override;
    std::vector<std::string> PropNames(WindowRef hwnd) const override;
    std::intptr_t ReplaceWindowProc(WindowRef hwnd, std::intptr_t procedure) override;
    std::intptr_t CallProcedure(std::intptr_t procedure, WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) override;
};

}  // namespace snapwright::win32
