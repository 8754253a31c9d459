#include "capture/FrameOffsets.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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
// The offset that shows which strips are steady has at most this share of rows that disagree over
// all strips: a scroll bar or a side panel is a small part of the width.
constexpr double kMostlyAgreeing = 0.25;
// Informative rows (strip by strip) that must agree before the pixels alone tell an offset.
constexpr int kLeastEvidence = 2;

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

}  // namespace

std::uint64_t FrameHash(const PixelRows& frame) {
    std::uint64_t hash = 0;
    for (int y = 0; y < frame.height; ++y) {
        hash = hash * 0x100000001B3ULL ^ HashBytes(frame.Row(y), static_cast<std::size_t>(frame.width) * kBytesPerPixel);
    }
    return hash;
}

FrameOffsets::FrameOffsets(int width, int height) : m_height(height) {
    const int strips = std::clamp(width / kLeastStripWidth, 1, kMostStrips);
    for (int s = 0; s <= strips; ++s) m_stripEdges.push_back(width * s / strips);
}

std::vector<std::uint64_t> FrameOffsets::Hash(const PixelRows& frame) const {
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
std::optional<RowBand> FrameOffsets::ChangedRows(const std::vector<std::uint64_t>& hashes,
                                                 const std::vector<std::uint64_t>& previous) const {
    const std::size_t strips = m_stripEdges.size() - 1;
    const auto rowChanged = [&](int y) {
        const std::size_t at = static_cast<std::size_t>(y) * strips;
        return !std::equal(hashes.begin() + static_cast<std::ptrdiff_t>(at),
                           hashes.begin() + static_cast<std::ptrdiff_t>(at + strips),
                           previous.begin() + static_cast<std::ptrdiff_t>(at));
    };
    int top = 0;
    while (top < m_height && !rowChanged(top)) ++top;
    if (top == m_height) return std::nullopt;
    int bottom = m_height;
    while (!rowChanged(bottom - 1)) --bottom;
    return RowBand{top, bottom};
}

// Every offset is tried on the moving band, strip by strip. A first pass finds the strips that
// move with the content at the best offset; the second judges every offset on those strips alone.
// Where several offsets fit as well (equal items in a list, blank stretches), the hint chooses the
// one nearest to it; without a hint, the one that most informative rows confirm, and none when no
// row does.
std::optional<FoundOffset> FrameOffsets::Find(const std::vector<std::uint64_t>& hashes,
                                              const std::vector<std::uint64_t>& previous, const RowBand& band,
                                              const OffsetHint& hint) {
    const int strips = Strips();
    const auto at = [strips](int y, int s) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(strips) +
                                                    static_cast<std::size_t>(s); };
    // Offsets that leave too few rows to compare are not tried, unless the hint expects one: a page
    // key that keeps a single line of the page before in view.
    const int length = band.bottom - band.top;
    const int fewestRows = 4;
    const int largest = std::max(length - std::max(fewestRows, length / 32), std::min(length - fewestRows, hint.rows + 2));
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
            const std::uint64_t* before = &previous[at(y + d, 0)];
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
    if (confirming >= 2 && rate(first, everyStrip) <= kMostlyAgreeing) {
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
    m_steadyStrips = steady;
    return FoundOffset{chosen, confirmed == 1 && evidence(chosen) >= kLeastEvidence, std::move(steady)};
}

}  // namespace snapwright
