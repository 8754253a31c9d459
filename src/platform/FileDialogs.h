#pragma once
#include <string>

namespace snapwright {

// The system's dialogs that ask for a file. Filters are description|pattern pairs joined by "|".
// Each gives the chosen full path, or empty text when the user cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    virtual std::string ShowSaveDialog(const std::string& filter, const std::string& title,
                                       const std::string& initialFolder) = 0;
    virtual std::string ShowOpenDialog(const std::string& filter, const std::string& title,
                                       const std::string& initialFolder) = 0;
};

}  // namespace snapwright
