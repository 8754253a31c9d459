#pragma once
#include <string>

namespace snapwright {

// Who is logged on, and where.
class ISystemNames {
public:
    virtual ~ISystemNames() = default;
    virtual std::string UserName() const = 0;      // empty when the system does not tell
    virtual std::string ComputerName() const = 0;  // empty when the system does not tell
};

}  // namespace snapwright
