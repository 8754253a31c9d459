#pragma once
#include <string>

namespace snapwright {

// Tells the user, in plain words, about a failure he would otherwise not see.
class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    virtual void ShowError(const std::string& text) = 0;
};

}  // namespace snapwright
