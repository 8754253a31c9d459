#pragma once
#include <string>

namespace snapwright {

// The program's icon in the notification area; its mouse messages come back to the main window.
class ITrayIcon {
public:
    virtual ~ITrayIcon() = default;
    virtual bool Add(const std::string& tip) = 0;
    virtual void Remove() = 0;
};

}  // namespace snapwright
