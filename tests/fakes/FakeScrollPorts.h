#pragma once
// Pictures in memory for the host tests of the scrolling capture: synthetic documents shown in a
// window with a header, a footer and a scroll bar, and the tall picture they are stitched into.
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "capture/ScrollFrame.h"
#include "capture/ScrollPorts.h"
#include "editor/RgbImage.h"
#include "fakes/FakeEditorWindow.h"

namespace snapwright::fakes {

inline PixelRows RowsOf(const RgbImage& image) {
    return {image.Rows().top, image.Rows().stride, image.Width(), image.Height()};
}

// A tall picture in memory; its capacity is the height limit.
class FakeTallPicture : public ITallPicture {
public:
    FakeTallPicture(int width, int capacity) : m_rows(width, capacity) {}
    int Width() const override { return m_rows.Width(); }
    int Capacity() const override { return m_rows.Height(); }
    std::uint8_t* Row(int y) override { return m_rows.Row(y); }
    PicturePtr Finish(int height) override {
        return std::make_shared<PixelPicture>(m_rows.Copy({0, 0, m_rows.Width(), height}), 0);
    }

private:
    RgbImage m_rows;
};

// The rows [from, from + count) of an image appended to another of the same width.
inline void Append(RgbImage& image, const RgbImage& rows, int from, int count) {
    RgbImage longer(image.Width(), image.Height() + count);
    longer.Paste(image, {0, 0});
    longer.Paste(rows.Copy({0, from, rows.Width(), count}), {0, image.Height()});
    image = std::move(longer);
}

// A window that shows a document: a header and a footer that stay, between them the document from a
// scroll position, and a scroll bar along the document's part whose thumb moves.
struct ScrollingWindow {
    static constexpr std::uint32_t kHeader = 0x804020;
    static constexpr std::uint32_t kFooter = 0x205080;
    static constexpr std::uint32_t kTrack = 0xE0E0E0;
    static constexpr std::uint32_t kThumb = 0x808080;
    static constexpr std::uint32_t kArrow = 0x404040;

    int width = 200;
    int header = 24;
    int view = 160;
    int footer = 16;
    int scrollBar = 16;  // 0: none
    RgbImage document{width - scrollBar, 0};

    int Height() const { return header + view + footer; }
    int Content() const { return width - scrollBar; }
    int LastPosition() const { return std::max(document.Height() - view, 0); }

    // The header and the footer carry a pattern in their rows too, so that they are told from the
    // document by their not moving rather than by their colour.
    RgbImage Frame(int position) const {
        RgbImage frame(width, Height());
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < width; ++x) {
                std::uint32_t colour = 0;
                if (y < header) {
                    colour = kHeader + static_cast<std::uint32_t>((x / 8 + y) % 7);
                } else if (y >= header + view) {
                    colour = kFooter + static_cast<std::uint32_t>((x / 4 + y) % 5);
                } else if (x >= Content()) {
                    colour = ScrollBarAt(y - header, position);
                } else {
                    const int row = position + y - header;
                    colour = row < document.Height() ? document.At(x, row) : 0xFFFFFF;
                }
                frame.Set(x, y, colour);
            }
        }
        return frame;
    }

    std::uint32_t ScrollBarAt(int y, int position) const {
        if (y < scrollBar || y >= view - scrollBar) return kArrow;
        const int track = view - 2 * scrollBar;
        const int total = std::max(document.Height(), view);
        const int thumb = std::max(8, track * view / total);
        const int at = scrollBar + (track - thumb) * position / std::max(LastPosition(), 1);
        return y >= at && y < at + thumb ? kThumb : kTrack;
    }

    // What the stitched picture must be: the header, the whole document, the footer; beside the
    // document, the scroll bar of the first screen and then its track.
    RgbImage Expected() const {
        RgbImage expected = Frame(0).Copy({0, 0, width, header + std::min(view, document.Height())});
        if (document.Height() > view) {
            RgbImage rest(width, document.Height() - view, kTrack);
            rest.Paste(document.Copy({0, view, Content(), rest.Height()}), {0, 0});
            Append(expected, rest, 0, rest.Height());
        }
        Append(expected, Frame(LastPosition()), header + view, footer);
        return expected;
    }
};

// A document of rows: 0 blank, any other value a text row, a pattern of its own between blank margins.
inline RgbImage Document(int width, const std::vector<std::uint32_t>& rows) {
    RgbImage document(width, static_cast<int>(rows.size()));
    for (int y = 0; y < document.Height(); ++y) {
        const std::uint32_t seed = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            std::uint32_t value = seed * 2654435761u ^ static_cast<std::uint32_t>(x) * 40503u;
            value ^= value >> 13;
            document.Set(x, y, x < 6 || x >= width - 6 || seed == 0 ? 0xFFFFFF : (value * 0x9E3779B1u) & 0xFFFFFF);
        }
    }
    return document;
}

// Text rows numbered from `first` on: every row of its own.
inline std::vector<std::uint32_t> TextRows(int count, std::uint32_t first = 1) {
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(count));
    std::iota(rows.begin(), rows.end(), first);
    return rows;
}

// A window that shows a ScrollingWindow and scrolls by the ways it is made to answer, in pixels
// from the top of its document; its scroll bar counts lines. The state outlives the capture.
struct ScrollState {
    ScrollingWindow look;
    Rect area{100, 100, 200, 200};
    int position = 0;
    int wheelPixels = 48;  // a notch; 0: the wheel moves nothing
    int linePixels = 16;   // the scroll bar's unit; 0: no scroll bar
    bool scrollBarTold = true;  // whether the scroll bar's position can be read
    int pagePixels = 0;  // Page Down; 0: the keys move nothing
    int stopAfter = -1;  // Escape once this many requests to scroll have come
    int lostAfter = -1;  // the window closes then
    bool staysCovered = false;  // another window stays in front of it
    int requests = 0;
    std::int64_t now = 0;
    std::vector<std::string> log;
    const bool* noteShown = nullptr;  // the note's state, to count the grabs it would be in
    int grabsWithNote = 0;

    void Move(int pixels) { position = std::clamp(position + pixels, 0, look.LastPosition()); }
};

class FakeScrolledWindow : public IScrolledWindow {
public:
    explicit FakeScrolledWindow(ScrollState& state) : m_state(state) {}
    Rect Area() const override { return m_state.area; }
    int ViewHeight() const override { return m_state.look.view; }
    PixelRows Grab() override {
        if (m_state.noteShown && *m_state.noteShown) ++m_state.grabsWithNote;
        m_frame = m_state.look.Frame(m_state.position);
        m_state.now += 10;
        return RowsOf(m_frame);
    }
    std::optional<ScrollBarState> ScrollBar() const override {
        const int line = m_state.linePixels;
        if (line == 0 || !m_state.scrollBarTold) return std::nullopt;
        return ScrollBarState{m_state.position / line, 0, m_state.look.LastPosition() / line, m_state.look.view / line};
    }
    bool Scroll(ScrollMethod method, int amount) override {
        ++m_state.requests;
        m_state.log.push_back(Name(method) + " " + std::to_string(amount));
        switch (method) {
            case ScrollMethod::Wheel: m_state.Move(amount * m_state.wheelPixels); return true;
            case ScrollMethod::ScrollBar:
                if (m_state.linePixels == 0) return false;
                m_state.Move(amount * m_state.linePixels);
                return true;
            case ScrollMethod::Keys: m_state.Move(amount * m_state.pagePixels); return true;
        }
        return false;
    }
    bool ScrollToTop(ScrollMethod method) override {
        m_state.log.push_back(Name(method) + " top");
        if (method == ScrollMethod::ScrollBar && m_state.linePixels == 0) return false;
        if (method == ScrollMethod::Keys && m_state.pagePixels == 0) return true;
        m_state.position = 0;
        return true;
    }
    bool ScrollBarTo(int position) override {
        m_state.log.push_back("scroll bar to " + std::to_string(position));
        if (m_state.linePixels == 0) return false;
        m_state.position = position * m_state.linePixels;
        return true;
    }
    bool ComeToFront() override { return !m_state.staysCovered; }
    bool StillThere() const override { return m_state.lostAfter < 0 || m_state.requests < m_state.lostAfter; }
    bool StopAsked() override { return m_state.stopAfter >= 0 && m_state.requests >= m_state.stopAfter; }
    void Wait(int milliseconds) override { m_state.now += milliseconds; }
    std::int64_t Milliseconds() const override { return m_state.now; }

private:
    static std::string Name(ScrollMethod method) {
        switch (method) {
            case ScrollMethod::Wheel: return "wheel";
            case ScrollMethod::ScrollBar: return "scroll bar";
            case ScrollMethod::Keys: return "keys";
        }
        return "";
    }

    ScrollState& m_state;
    RgbImage m_frame;
};

// The note: where it was shown and what it said.
class FakeScrollNote : public IScrollNote {
public:
    Size Measure(const std::string&, const std::string&) override { return {120, 40}; }
    void Show(const Rect& place, const std::string& heading, const std::string& count) override {
        shown = true;
        places.push_back(place);
        texts.push_back(heading + " / " + count);
    }
    void Hide() override { shown = false; }

    bool shown = false;
    std::vector<Rect> places;
    std::vector<std::string> texts;
};

// Equal pictures, or where the first difference lies.
inline testing::AssertionResult SamePixels(const RgbImage& actual, const RgbImage& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return testing::AssertionFailure() << actual.Width() << " x " << actual.Height() << " instead of "
                                           << expected.Width() << " x " << expected.Height();
    }
    for (int y = 0; y < actual.Height(); ++y) {
        if (std::memcmp(actual.Row(y), expected.Row(y), actual.RowBytes()) != 0) {
            return testing::AssertionFailure() << "row " << y << " differs";
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace snapwright::fakes
