#pragma once
#include "platform/SystemNames.h"

namespace snapwright::win32 {

// GetUserNameW and GetComputerNameW.
class Win32SystemNames : public ISystemNames {
public:
    std::string UserName() const override;
    std::string ComputerName() const override;
};

}  // namespace snapwright::win32
