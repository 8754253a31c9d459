#pragma once

namespace snapwright {

// What became of a shot handed to the printed page.
enum class PageOutcome { Printed, WaitsForNextShot, NotPrinted };

}  // namespace snapwright
