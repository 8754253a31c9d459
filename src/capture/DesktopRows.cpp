#include "capture/DesktopRows.h"

#include <cstring>

namespace snapwright {

std::uint32_t Dimmed(std::uint32_t pixel) {
    return ((pixel >> 1) & 0x7F7F7F) + ((pixel >> 3) & 0x1F1F1F);
}

// Four pixels are three 32-bit words, read at once: the overlay shows whole screens in a drag.
void ShowRow(const std::uint8_t* from, std::uint32_t* to, int pixels, bool dimmed) {
    int x = 0;
    for (; x + 4 <= pixels; x += 4, from += 12) {
        std::uint32_t words[3];
        std::memcpy(words, from, sizeof(words));
        const std::uint32_t four[4] = {words[0] & 0xFFFFFF, (words[0] >> 24 | words[1] << 8) & 0xFFFFFF,
                                       (words[1] >> 16 | words[2] << 16) & 0xFFFFFF, words[2] >> 8};
        for (int i = 0; i < 4; ++i) to[x + i] = dimmed ? Dimmed(four[i]) : four[i];
    }
    for (; x < pixels; ++x, from += 3) {
        const std::uint32_t pixel = from[0] | static_cast<std::uint32_t>(from[1]) << 8 |
                                    static_cast<std::uint32_t>(from[2]) << 16;
        to[x] = dimmed ? Dimmed(pixel) : pixel;
    }
}

}  // namespace snapwright
