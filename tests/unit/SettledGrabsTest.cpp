#include "capture/SettledGrabs.h"

#include <gtest/gtest.h>

#include <vector>

#include "capture/FrameOffsets.h"
#include "fakes/FakeScrollPorts.h"

namespace snapwright {
namespace {

// A window whose picture changes at given times after a request: each change a frame of one colour.
class PaintingWindow : public fakes::FakeScrolledWindow {
public:
    explicit PaintingWindow(fakes::ScrollState& state) : FakeScrolledWindow(state), m_state(state) {}

    // From `at` milliseconds on, the window shows `colour`.
    void PaintAt(std::int64_t at, std::uint32_t colour) { m_paints.push_back({m_state.now + at, colour}); }
    PixelRows Grab() override {
        m_state.now += 30;  // a grab takes its time
        std::uint32_t colour = 0;
        for (const auto& [at, painted] : m_paints) {
            if (at <= m_state.now) colour = painted;
        }
        m_frame = RgbImage(8, 8, colour);
        return fakes::RowsOf(m_frame);
    }

private:
    fakes::ScrollState& m_state;
    std::vector<std::pair<std::int64_t, std::uint32_t>> m_paints;
    RgbImage m_frame;
};

std::uint32_t ColourOf(const PixelRows& rows) {
    const std::uint8_t* pixel = rows.Row(0);
    return pixel[0] << 16 | pixel[1] << 8 | pixel[2];
}

TEST(SettledGrabsTest, AFrameIsTakenOnceTwoGrabsAgreeAfterTheWindowHasAnswered) {
    fakes::ScrollState state;
    PaintingWindow window(state);
    SettledGrabs grabs(window);
    window.PaintAt(0, 0x111111);
    ASSERT_TRUE(grabs.Take(false));

    // Painted halfway first, then whole: the whole frame is taken.
    window.PaintAt(40, 0x222222);
    window.PaintAt(90, 0x333333);
    std::optional<PixelRows> rows = grabs.Take(true);
    ASSERT_TRUE(rows);
    EXPECT_EQ(ColourOf(*rows), 0x333333u);

    // A slow answer is waited for; no answer at all is the frame as it was, after the answer time.
    window.PaintAt(200, 0x444444);
    rows = grabs.Take(true);
    EXPECT_EQ(ColourOf(*rows), 0x444444u);
    const std::int64_t start = state.now;
    rows = grabs.Take(true);
    EXPECT_EQ(ColourOf(*rows), 0x444444u);
    EXPECT_GE(state.now - start, grabs.AnswerTime());
    EXPECT_EQ(grabs.LastHash(), FrameHash(*rows));

    // A picture that never stops changing is taken as it is after a while.
    for (int at = 0; at < 10000; at += 25) window.PaintAt(at, static_cast<std::uint32_t>(at));
    const std::int64_t changing = state.now;
    EXPECT_TRUE(grabs.Take(true));
    EXPECT_LT(state.now - changing, 4000);
}

}  // namespace
}  // namespace snapwright
