#pragma once
#include <cstdint>

namespace snapwright {

// A pixel of the desktop dimmed around the region: each colour keeps five eighths of its value,
// dark enough to tell the region from the rest, light enough to read what lies around it. The
// pixel is 0x00BBGGRR or 0x00RRGGBB alike; its colours do not run into each other.
std::uint32_t Dimmed(std::uint32_t pixel);

// A row of the desktop picture's 24-bit pixels as the 32-bit pixels that a window shows, dimmed
// or as they are.
void ShowRow(const std::uint8_t* from, std::uint32_t* to, int pixels, bool dimmed);

}  // namespace snapwright
