#include "model/Settings.h"

namespace snapwright {

int ShotsPerPage(PageFormat format) {
    return format == PageFormat::PortraitTwoShots ? 2 : 1;
}

}  // namespace snapwright
