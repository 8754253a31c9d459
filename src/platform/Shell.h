#pragma once
#include <string>

namespace snapwright {

// How the window of an opened document first appears.
enum class ShowAs { Normal, Maximized };

// Opens a document or an address with the program the system associates with it (the shell's
// "open" verb): help files, web pages, mail links.
class IShell {
public:
    virtual ~IShell() = default;
    // A relative file name is looked up from the current folder. When nothing is associated with
    // the target, nothing visible happens; the caller does not examine the result.
    virtual void Open(const std::string& target, ShowAs show) = 0;
};

}  // namespace snapwright
