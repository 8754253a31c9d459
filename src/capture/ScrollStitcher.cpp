#include "capture/ScrollStitcher.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace snapwright {

namespace {

constexpr int kBytesPerPixel = 3;
constexpr int kMostStrips = 8;
constexpr int kLeastStripWidth = 32;
// A strip whose rows disagree more often than this at the best offset does not move with the
// content: a scroll bar, a side panel.
constexpr double kUnsteadyStrip = 0.05;
// Offsets whose steady strips disagree this much more than the best one's are not plausible; the
// allowance is for a hover highlight or a blinking caret.
constexpr double kPlausibleAllowance = 0.01;
// Beyond this share of rows that disagree, the frames show no movement of one piece of content.
constexpr double kNoMovement = 0.2;
// Informative rows (strip by strip) that must agree before the pixels alone tell an offset.
constexpr int kLeastEvidence = 2;
// Side columns begin within this share of the width from an edge, and runs of them with gaps of up
// to kSideGap columns between belong together (a scroll bar's arrows and thumb, a panel's text).
constexpr int kSideZoneDivisor = 4;
constexpr int kSideGap = 16;

std::uint64_t HashBytes(const std::uint8_t* bytes, std::size_t count) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ count;
    std::size_t at = 0;
    for (; at + 8 <= count; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDULL;
        hash ^= hash >> 32;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, bytes + at, count - at);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ULL;
    return hash ^ (hash >> 29);
}

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

// Strips let a scroll bar or a panel beside the content disagree without spoiling the comparison
// of the rows of the content: each strip of a row is compared on its own.
void ScrollStitcher::Start(const PixelRows& first) {
    if (first.width <= 0 || first.height <= 0 || first.width != m_picture.Width() ||
        first.height > m_picture.Capacity()) {
        throw std::invalid_argument("The first frame does not fit the picture.");
    }
    m_width = first.width;
    m_height = first.height;
    const int strips = std::clamp(m_width / kLeastStripWidth, 1, kMostStrips);
    m_stripEdges.clear();
    for (int s = 0; s <= strips; ++s) m_stripEdges.push_back(m_width * s / strips);
    m_fill.assign(static_cast<std::size_t>(m_width), std::nullopt);
    m_side.clear();
    m_steadyStrips.clear();
    m_band = {};
    m_written = 0;
    m_moved = false;
    m_full = false;
    Keep(first, HashRows(first));
}

std::vector<std::uint64_t> ScrollStitcher::HashRows(const PixelRows& frame) const {
    const std::size_t strips = m_stripEdges.size() - 1;
    std::vector<std::uint64_t> hashes(static_cast<std::size_t>(frame.height) * strips);
    for (int y = 0; y < frame.height; ++y) {
        const std::uint8_t* row = frame.Row(y);
        for (std::size_t s = 0; s < strips; ++s) {
            const int left = m_stripEdges[s];
            hashes[static_cast<std::size_t>(y) * strips + s] =
                HashBytes(row + left * kBytesPerPixel,
                          static_cast<std::size_t>(m_stripEdges[s + 1] - left) * kBytesPerPixel);
        }
    }
    return hashes;
}

// The rows that differ from the frame before at the same place: where the content moved. Rows above
// and below them stayed put, whether they are a header or content that looks the same.
std::optional<ScrollStitcher::Band> ScrollStitcher::ChangedRows(const std::vector<std::uint64_t>& hashes) const {
    const std::size_t strips = m_stripEdges.size() - 1;
    const auto rowChanged = [&](int y) {
        const std::size_t at = static_cast<std::size_t>(y) * strips;
        return !std::equal(hashes.begin() + static_cast<std::ptrdiff_t>(at),
                           hashes.begin() + static_cast<std::ptrdiff_t>(at + strips),
                           m_previousHashes.begin() + static_cast<std::ptrdiff_t>(at));
    };
    int top = 0;
    while (top < m_height && !rowChanged(top)) ++top;
    if (top == m_height) return std::nullopt;
    int bottom = m_height;
    while (!rowChanged(bottom - 1)) --bottom;
    return Band{top, bottom};
}

// Every offset is tried on the moving band, strip by strip. A first pass finds the strips that
// move with the content at the best offset; the second judges every offset on those strips alone.
// Where several offsets fit as well (equal items in a list, blank stretches), the hint chooses the
// one nearest to it; without a hint, the one that most informative rows confirm, and none when no
// row does.
std::optional<ScrollStitcher::Offset> ScrollStitcher::FindOffset(const std::vector<std::uint64_t>& hashes,
                                                                 const Band& band, const OffsetHint& hint) const {
    const int strips = static_cast<int>(m_stripEdges.size()) - 1;
    const auto at = [strips](int y, int s) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(strips) +
                                                    static_cast<std::size_t>(s); };
    const int length = band.bottom - band.top;
    const int leastOverlap = std::max(4, length / 10);
    const int largest = length - leastOverlap;
    if (largest < 1) return std::nullopt;

    // A row is informative in a strip where it differs from both its neighbours, as the rows of text
    // do: a blank row, also the last one before a line of text, matches any other blank row.
    std::vector<std::uint8_t> informative(hashes.size(), 0);
    for (int y = std::max(band.top, 1); y < std::min(band.bottom, m_height - 1); ++y) {
        for (int s = 0; s < strips; ++s) {
            const std::uint64_t hash = hashes[at(y, s)];
            informative[at(y, s)] = hash != hashes[at(y - 1, s)] && hash != hashes[at(y + 1, s)];
        }
    }

    // Per offset d (1 .. largest) and strip: the rows that disagree, and the informative rows that
    // agree. Row y of this frame shows what row y + d of the frame before showed.
    std::vector<int> disagreeing(at(largest + 1, 0), 0);
    std::vector<int> agreeing(at(largest + 1, 0), 0);
    for (int d = 1; d <= largest; ++d) {
        int* disagree = &disagreeing[at(d, 0)];
        int* agree = &agreeing[at(d, 0)];
        for (int y = band.top; y < band.bottom - d; ++y) {
            const std::uint64_t* now = &hashes[at(y, 0)];
            const std::uint64_t* before = &m_previousHashes[at(y + d, 0)];
            const std::uint8_t* isInformative = &informative[at(y, 0)];
            for (int s = 0; s < strips; ++s) {
                const bool same = now[s] == before[s];
                disagree[s] += !same;
                agree[s] += same & isInformative[s];
            }
        }
    }
    const auto sum = [&](const std::vector<int>& counts, int d, const std::vector<bool>& counted) {
        int total = 0;
        for (int s = 0; s < strips; ++s) total += counted[static_cast<std::size_t>(s)] ? counts[at(d, s)] : 0;
        return total;
    };
    const auto rate = [&](int d, const std::vector<bool>& counted) {
        const auto counting = std::count(counted.begin(), counted.end(), true);
        return static_cast<double>(sum(disagreeing, d, counted)) / static_cast<double>(counting * (length - d));
    };

    // The offset with the most informative rows that agree, less the rows that disagree, shows which
    // strips move with the content. Where too few rows confirm it (a blank stretch, where only a
    // scroll bar's thumb tells anything), the strips found in the steps before serve.
    const std::vector<bool> everyStrip(static_cast<std::size_t>(strips), true);
    const auto support = [&](int d) { return sum(agreeing, d, everyStrip) - sum(disagreeing, d, everyStrip); };
    int first = 1;
    for (int d = 2; d <= largest; ++d) {
        if (support(d) > support(first)) first = d;
    }
    int confirming = 0;
    for (int s = 0; s < strips; ++s) confirming += agreeing[at(first, s)] >= kLeastEvidence;
    std::vector<bool> steady = m_steadyStrips.empty() ? everyStrip : m_steadyStrips;
    if (confirming >= 2) {
        for (int s = 0; s < strips; ++s) {
            steady[static_cast<std::size_t>(s)] = disagreeing[at(first, s)] <= kUnsteadyStrip * (length - first);
        }
    }
    if (std::none_of(steady.begin(), steady.end(), [](bool is) { return is; })) steady = everyStrip;

    double bestRate = 1.0;
    for (int d = 1; d <= largest; ++d) bestRate = std::min(bestRate, rate(d, steady));
    if (bestRate > kNoMovement) return std::nullopt;
    std::vector<int> plausible;
    for (int d = 1; d <= largest; ++d) {
        if (rate(d, steady) <= bestRate + kPlausibleAllowance) plausible.push_back(d);
    }
    const auto evidence = [&](int d) { return sum(agreeing, d, steady); };
    const auto confirmed = std::count_if(plausible.begin(), plausible.end(), [&](int d) {
        return evidence(d) >= kLeastEvidence;
    });
    int chosen = plausible.front();
    for (int d : plausible) {
        const bool nearer = std::abs(d - hint.rows) < std::abs(chosen - hint.rows);
        const bool asNear = std::abs(d - hint.rows) == std::abs(chosen - hint.rows);
        if (hint.rows > 0 ? nearer || (asNear && evidence(d) > evidence(chosen)) : evidence(d) > evidence(chosen)) {
            chosen = d;
        }
    }
    if (hint.rows <= 0 && evidence(chosen) < kLeastEvidence) return std::nullopt;
    return Offset{chosen, confirmed == 1 && evidence(chosen) >= kLeastEvidence, std::move(steady)};
}

// Columns that do not move with the content, found pixel by pixel in the rows that the steady
// strips confirm, and kept only where they begin near an edge: content that changes in the middle
// (an animation, a caret) stays content.
std::vector<bool> ScrollStitcher::SideColumns(const PixelRows& frame, const std::vector<std::uint64_t>& hashes,
                                              const Band& band, const Offset& offset) const {
    const int strips = static_cast<int>(m_stripEdges.size()) - 1;
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
            for (int x = m_stripEdges[static_cast<std::size_t>(s)]; x < m_stripEdges[static_cast<std::size_t>(s) + 1];
                 ++x) {
                if (std::memcmp(row + x * kBytesPerPixel, previous + x * kBytesPerPixel, kBytesPerPixel) != 0) {
                    disagrees[static_cast<std::size_t>(x)] = true;
                }
            }
        }
    }
    const int right = SideRun(disagrees, -1);
    const int left = SideRun(disagrees, 1);
    std::vector<bool> side(static_cast<std::size_t>(m_width), false);
    // Content narrower than half the area is more likely a changing picture than a scrolled page.
    if (left + right > m_width / 2) return side;
    std::fill(side.begin(), side.begin() + left, true);
    std::fill(side.end() - right, side.end(), true);
    return side;
}

// A side column goes on below the first screen in the colour it shows most there: a scroll bar its
// track, a frame its border, a panel its background.
std::uint32_t ScrollStitcher::FillColour(int x, const Band& band) {
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
    std::vector<std::uint64_t> hashes = HashRows(frame);
    std::optional<Band> band = ChangedRows(hashes);
    if (band && m_moved) band = Band{std::min(band->top, m_band.top), std::max(band->bottom, m_band.bottom)};
    // Without changed rows (a blank stretch taller than the frame, told by the scroll position)
    // the band is the one of the steps before, or the whole frame.
    if (!band && hint.told && hint.rows > 0) band = m_moved ? m_band : Band{0, m_height};
    std::optional<Offset> offset;
    if (band) offset = FindOffset(hashes, *band, hint);

    StitchStep step;
    if (offset) {
        step.moved = offset->rows;
        step.measured = offset->unambiguous;
    } else if (hint.told && band) {
        step.moved = std::max(hint.rows, 0);
    }
    if (step.moved == 0) {
        Keep(frame, std::move(hashes));
        return step;
    }

    if (offset) {
        m_steadyStrips = offset->steadyStrips;
        m_side = SideColumns(frame, hashes, *band, *offset);
        for (int x = 0; x < m_width; ++x) {
            if (m_side[static_cast<std::size_t>(x)]) FillColour(x, *band);
        }
    }
    if (!m_moved) {
        for (int y = 0; y < band->bottom; ++y) WriteRow(PreviousRow(y), nullptr);
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
