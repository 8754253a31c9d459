#include "apps/StartApplication.h"

namespace snapwright {

// Module-wide, like the dialog it feeds: the send step writes the name before it shows the start
// dialog, and the dialog reads it while it loads. A function-local static is ready whenever the
// first caller arrives, whatever the order of static initialisation.
std::string& ApplicationToStart() {
    static std::string name;
    return name;
}

}  // namespace snapwright
