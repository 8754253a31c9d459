#include "save/PictureLimits.h"

#include <algorithm>

namespace snapwright {

namespace {

constexpr std::uint64_t kMegabyte = 1024 * 1024;
constexpr int kBytesOf24BitCopy = 3;
constexpr int kBytesOfDeviceBitmap = 4;

// Width by height in digits, the same in every language; each sentence says "pixels" in its own words.
std::string SizeText(const ImageHeader& header) {
    return std::to_string(header.width) + " \u00d7 " + std::to_string(header.height);
}

}  // namespace

std::uint64_t BytesToLoad(const ImageHeader& header) {
    const std::uint64_t pixels = static_cast<std::uint64_t>(std::max(header.width, 0)) *
                                 static_cast<std::uint64_t>(std::max(header.height, 0));
    const std::uint64_t decoded = (pixels * static_cast<std::uint64_t>(std::max(header.bitsPerPixel, 1)) + 7) / 8;
    return decoded + pixels * (kBytesOf24BitCopy + kBytesOfDeviceBitmap);
}

// The side limit comes first: it does not depend on the machine, so that the same file is told
// the same everywhere.
std::optional<Message> PictureRefusal(const ImageHeader& header, std::uint64_t availableBytes) {
    if (header.width < 1 || header.height < 1) return Message{TextId::PictureWithoutSizeReason};
    if (header.width > kMaxPictureSide || header.height > kMaxPictureSide) {
        return Message{TextId::PictureTooLargeReason,
                       {{"size", SizeText(header)}, {"limit", std::to_string(kMaxPictureSide)}}};
    }
    const std::uint64_t needed = BytesToLoad(header);
    if (needed > availableBytes) {
        return Message{TextId::PictureNeedsTooMuchMemoryReason,
                       {{"size", SizeText(header)}, {"megabytes", std::to_string((needed + kMegabyte - 1) / kMegabyte)}}};
    }
    return std::nullopt;
}

}  // namespace snapwright
