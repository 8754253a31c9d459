#pragma once
#include <string>

namespace snapwright {

// A modal message box with an OK button only, for information the user asked for.
class IInformationBox {
public:
    virtual ~IInformationBox() = default;
    virtual void Show(const std::string& title, const std::string& text) = 0;
};

}  // namespace snapwright
