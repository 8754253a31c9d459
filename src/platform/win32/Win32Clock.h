#pragma once
#include "platform/Clock.h"

namespace snapwright::win32 {

class Win32Clock : public IClock {
public:
    std::string GeneralDateTimeNow() const override;
};

}  // namespace snapwright::win32
