#pragma once
// A recorder for the shell: what would have been opened.
#include <ostream>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace snapwright::fakes {

class FakeShell : public IShell {
public:
    struct Opened {
        std::string target;
        ShowAs show;
        friend bool operator==(const Opened&, const Opened&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Opened& o) {
            return out << o.target << (o.show == ShowAs::Maximized ? " (maximised)" : " (normal)");
        }
    };
    void Open(const std::string& target, ShowAs show) override { opened.push_back({target, show}); }
    std::vector<Opened> opened;
};

}  // namespace snapwright::fakes
