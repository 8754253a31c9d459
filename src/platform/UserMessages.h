#pragma once
#include <string>

namespace snapwright {

// Tells the user, in plain words, about a failure he would otherwise not see, and asks before
// something of his is replaced.
class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    virtual void ShowError(const std::string& text) = 0;
    // A question with Yes and No, No the default button; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace snapwright
