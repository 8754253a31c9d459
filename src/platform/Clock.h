#pragma once
#include <string>

namespace snapwright {

// The current date and time as the user's locale writes them.
class IClock {
public:
    virtual ~IClock() = default;
    // Date and time in the locale's general form (short date, then the time with seconds).
    virtual std::string GeneralDateTimeNow() const = 0;
};

}  // namespace snapwright
