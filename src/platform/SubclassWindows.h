#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// The window operations that the subclass bookkeeping rests on: properties by name, the
// window's procedure, and the identity checks.
class ISubclassWindows {
public:
    virtual ~ISubclassWindows() = default;
    virtual bool IsWindow(WindowRef hwnd) const = 0;
    virtual bool BelongsToThisProcess(WindowRef hwnd) const = 0;
    // 0 when the window has no property of that name.
    virtual std::intptr_t ReadProp(WindowRef hwnd, const std::string& name) const = 0;
    // A value of 0 removes the property; false when the write failed.
    virtual bool WriteProp(WindowRef hwnd, const std::string& name, std::intptr_t value) = 0;
    virtual std::vector<std::string> PropNames(WindowRef hwnd) const = 0;
    // Installs `procedure` and returns the previous one; 0 when it failed.
    virtual std::intptr_t ReplaceWindowProc(WindowRef hwnd, std::intptr_t procedure) = 0;
    virtual std::intptr_t CallProcedure(std::intptr_t procedure, WindowRef hwnd, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace snapwright
