#include "capture/ScrollStitcher.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace snapwright {

namespace {

constexpr int kBytesPerPixel = 3;
// Side columns begin within this share of the width from an edge, and runs of them with gaps of up
// to kSideGap columns between belong together (a scroll bar's arrows and thumb, a panel's text).
constexpr int kSideZoneDivisor = 4;
constexpr int kSideGap = 16;

std::uint32_t PixelAt(const std::uint8_t* row, int x) {
    const std::uint8_t* pixel = row + x * kBytesPerPixel;
    return pixel[0] | static_cast<std::uint32_t>(pixel[1]) << 8 | static_cast<std::uint32_t>(pixel[2]) << 16;
}

void SetPixel(std::uint8_t* row, int x, std::uint32_t colour) {
    std::uint8_t* pixel = row + x * kBytesPerPixel;
    pixel[0] = static_cast<std::uint8_t>(colour);
    pixel[1] = static_cast<std::uint8_t>(colour >> 8);
    pixel[2] = static_cast<std::uint8_t>(colour >> 16);
}

// The columns from one edge inwards that do not move with the content: the first of them lies
// within the edge's zone, and the others follow with gaps of at most kSideGap. `step` is -1 from
// the right edge, 1 from the left; the result counts the columns from that edge.
int SideRun(const std::vector<bool>& disagrees, int step) {
    const int width = static_cast<int>(disagrees.size());
    const int zone = width / kSideZoneDivisor;
    int run = 0;
    int gap = 0;
    for (int i = 0; i < width / 2; ++i) {
        const int x = step > 0 ? i : width - 1 - i;
        if (disagrees[static_cast<std::size_t>(x)]) {
            run = i + 1;
            gap = 0;
        } else if (run > 0 ? ++gap > kSideGap : i >= zone) {
            break;
        }
    }
    return run;
}

}  // namespace

ScrollStitcher::ScrollStitcher(ITallPicture& picture) : m_picture(picture) {}

void ScrollStitcher::Start(const PixelRows& first) {
    if (first.width <= 0 || first.height <= 0 || first.width != m_picture.Width() ||
        first.height > m_picture.Capacity()) {
        throw std::invalid_argument("The first frame does not fit the picture.");
    }
    m_width = first.width;
    m_height = first.height;
    m_offsets.emplace(m_width, m_height);
    m_fill.assign(static_cast<std::size_t>(m_width), std::nullopt);
    m_side.clear();
    m_sideLeft = 0;
    m_sideRight = 0;
    m_firstRows = 0;
    m_band = {};
    m_written = 0;
    m_moved = false;
    m_full = false;
    Keep(first, m_offsets->Hash(first));
}

// Columns that do not move with the content, found pixel by pixel in the rows that the steady
// strips confirm, and kept only where they begin near an edge: content that changes in the middle
// (an animation, a caret) stays content.
std::pair<int, int> ScrollStitcher::SideColumns(const PixelRows& frame, const std::vector<std::uint64_t>& hashes,
                                                const RowBand& band, const FoundOffset& offset) const {
    const int strips = m_offsets->Strips();
    std::vector<bool> disagrees(static_cast<std::size_t>(m_width), false);
    for (int y = band.top; y < band.bottom - offset.rows; ++y) {
        const std::uint64_t* now = &hashes[static_cast<std::size_t>(y * strips)];
        const std::uint64_t* before = &m_previousHashes[static_cast<std::size_t>((y + offset.rows) * strips)];
        bool confirmed = true;
        for (int s = 0; s < strips && confirmed; ++s) {
            confirmed = !offset.steadyStrips[static_cast<std::size_t>(s)] || now[s] == before[s];
        }
        if (!confirmed) continue;
        const std::uint8_t* row = frame.Row(y);
        const std::uint8_t* previous = PreviousRow(y + offset.rows);
        for (int s = 0; s < strips; ++s) {
            if (now[s] == before[s]) continue;
            for (int x = m_offsets->StripEdge(s); x < m_offsets->StripEdge(s + 1); ++x) {
                if (std::memcmp(row + x * kBytesPerPixel, previous + x * kBytesPerPixel, kBytesPerPixel) != 0) {
                    disagrees[static_cast<std::size_t>(x)] = true;
                }
            }
        }
    }
    const int right = SideRun(disagrees, -1);
    const int left = SideRun(disagrees, 1);
    // Content narrower than half the area is more likely a changing picture than a scrolled page.
    if (left + right > m_width / 2) return {0, 0};
    return {left, right};
}

// Few rows to compare (a step that leaves little of the frame before in view, a scroll bar whose
// arrows happen to meet each other) may show fewer columns beside the content than there are: the
// widest found so far count, and the rows stitched before a wider find get their new side columns
// too.
void ScrollStitcher::WidenSide(int left, int right, const RowBand& band) {
    left = std::max(left, m_sideLeft);
    right = std::max(right, m_sideRight);
    if (left == m_sideLeft && right == m_sideRight && !m_side.empty()) return;
    std::vector<int> added;
    for (int x = 0; x < m_width; ++x) {
        const bool side = x < left || x >= m_width - right;
        const bool before = x < m_sideLeft || x >= m_width - m_sideRight;
        if (side) FillColour(x, band);
        if (side && !before) added.push_back(x);
    }
    for (int y = m_firstRows; y < m_written; ++y) {
        std::uint8_t* row = m_picture.Row(y);
        for (int x : added) SetPixel(row, x, *m_fill[static_cast<std::size_t>(x)]);
    }
    m_sideLeft = left;
    m_sideRight = right;
    m_side.assign(static_cast<std::size_t>(m_width), false);
    std::fill(m_side.begin(), m_side.begin() + left, true);
    std::fill(m_side.end() - right, m_side.end(), true);
}

// A side column goes on below the first screen in the colour it shows most there: a scroll bar its
// track, a frame its border, a panel its background.
std::uint32_t ScrollStitcher::FillColour(int x, const RowBand& band) {
    std::optional<std::uint32_t>& fill = m_fill[static_cast<std::size_t>(x)];
    if (fill) return *fill;
    std::vector<std::uint32_t> colours;
    colours.reserve(static_cast<std::size_t>(band.bottom - band.top));
    for (int y = band.top; y < band.bottom; ++y) colours.push_back(PixelAt(PreviousRow(y), x));
    std::sort(colours.begin(), colours.end());
    std::uint32_t most = colours.front();
    std::size_t mostCount = 0;
    for (std::size_t at = 0; at < colours.size();) {
        std::size_t end = at;
        while (end < colours.size() && colours[end] == colours[at]) ++end;
        if (end - at > mostCount) {
            most = colours[at];
            mostCount = end - at;
        }
        at = end;
    }
    fill = most;
    return most;
}

void ScrollStitcher::WriteRow(const std::uint8_t* row, const std::vector<bool>* side) {
    std::uint8_t* target = m_picture.Row(m_written++);
    std::memcpy(target, row, static_cast<std::size_t>(m_width) * kBytesPerPixel);
    if (!side) return;
    for (int x = 0; x < m_width; ++x) {
        if ((*side)[static_cast<std::size_t>(x)]) SetPixel(target, x, *m_fill[static_cast<std::size_t>(x)]);
    }
}

// The band that moves is where rows changed in this step or in any before: blank rows at its top or
// bottom look alike from one frame to the next, and a header never changes.
//
// The picture grows by the rows that came into view at the bottom of the band. The first frame
// goes in whole above them once the first step has shown where its footer starts; the footer goes
// in from the last frame when the capture ends. When the band reaches further down than before
// (its lowest rows looked alike until now), the rows between come in too.
StitchStep ScrollStitcher::Add(const PixelRows& frame, const OffsetHint& hint) {
    if (frame.width != m_width || frame.height != m_height) {
        throw std::invalid_argument("A frame of another size than the first.");
    }
    if (m_full) return {0, false, true};
    std::vector<std::uint64_t> hashes = m_offsets->Hash(frame);
    std::optional<RowBand> band = m_offsets->ChangedRows(hashes, m_previousHashes);
    if (band && m_moved) band = RowBand{std::min(band->top, m_band.top), std::max(band->bottom, m_band.bottom)};
    // Without changed rows (a blank stretch taller than the frame, told by the scroll position)
    // the band is the one of the steps before, or the whole frame.
    if (!band && hint.told && hint.rows > 0) band = m_moved ? m_band : RowBand{0, m_height};
    std::optional<FoundOffset> offset;
    if (band) offset = m_offsets->Find(hashes, m_previousHashes, *band, hint);

    StitchStep step;
    if (offset) {
        step.moved = offset->rows;
        step.measured = offset->unambiguous;
    } else if (hint.told && band) {
        step.moved = std::max(hint.rows, 0);
    }
    // A frame that shows no movement is not kept: the next one is compared with the last that moved,
    // also when this one was painted halfway.
    if (step.moved == 0) return step;

    if (offset) {
        const auto [left, right] = SideColumns(frame, hashes, *band, *offset);
        WidenSide(left, right, *band);
    }
    if (!m_moved) {
        for (int y = 0; y < band->bottom; ++y) WriteRow(PreviousRow(y), nullptr);
        m_firstRows = m_written;
        m_band = *band;
        m_moved = true;
    }
    const int footer = m_height - band->bottom;
    const int arrived = step.moved + band->bottom - m_band.bottom;
    int rows = arrived;
    const int room = m_picture.Capacity() - footer - m_written;
    if (rows >= room) {
        rows = std::max(room, 0);
        step.limitReached = true;
        m_full = true;
    }
    // A step longer than the band (told, not seen) repeats the band's rows: they were alike.
    const int bandHeight = band->bottom - band->top;
    for (int i = 0; i < rows; ++i) {
        int y = band->bottom - arrived + i;
        if (y < band->top) y = band->top + ((y - band->top) % bandHeight + bandHeight) % bandHeight;
        WriteRow(frame.Row(y), m_side.empty() ? nullptr : &m_side);
    }
    m_band = *band;
    Keep(frame, std::move(hashes));
    return step;
}

int ScrollStitcher::Height() const {
    return m_moved ? m_written + m_height - m_band.bottom : m_height;
}

PicturePtr ScrollStitcher::Finish() {
    const int from = m_moved ? m_band.bottom : 0;
    for (int y = from; y < m_height; ++y) WriteRow(PreviousRow(y), nullptr);
    m_previous.clear();
    m_previous.shrink_to_fit();
    return m_picture.Finish(m_written);
}

void ScrollStitcher::Keep(const PixelRows& frame, std::vector<std::uint64_t> hashes) {
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * kBytesPerPixel;
    m_previous.resize(rowBytes * static_cast<std::size_t>(m_height));
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(m_previous.data() + rowBytes * static_cast<std::size_t>(y), frame.Row(y), rowBytes);
    }
    m_previousHashes = std::move(hashes);
}

const std::uint8_t* ScrollStitcher::PreviousRow(int y) const {
    return m_previous.data() + static_cast<std::size_t>(m_width) * kBytesPerPixel * static_cast<std::size_t>(y);
}

}  // namespace snapwright
