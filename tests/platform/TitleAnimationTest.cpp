#include "ui/TitleAnimation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace brinox {
namespace {

constexpr std::uint32_t kTick = 20;
constexpr std::uint32_t kCycleMs = 38920;
const std::string kPlain = "Brinox 2000: World Championship";

// What a window would show over time when the tick is a steady 20 ms.
struct Shown {
    std::int32_t frame;
    std::uint32_t at; // ms since start
    std::string text; // the title on screen from then on
};

std::vector<Shown> Walk(std::uint32_t start, std::uint32_t duration, bool animate = true) {
    TitleAnimation title;
    std::vector<Shown> shown{{title.Frame(), 0, title.Start(animate, start)}};
    std::int32_t frame = title.Frame();
    for (std::uint32_t t = kTick; t <= duration; t += kTick) {
        const auto text = title.Step(animate, start + t);
        if (title.Frame() != frame || text) {
            frame = title.Frame();
            shown.push_back({frame, t, text ? *text : shown.back().text});
        }
    }
    return shown;
}

// One full cycle plus the return to frame 0, walked once for all table cases.
const std::vector<Shown>& Cycle() {
    static const auto cycle = Walk(1000, kCycleMs + kTick);
    return cycle;
}

TEST(TitleAnimationCycle, OneCycleTakes38920MsAndReturnsToTheSpreadName) {
    const auto& cycle = Cycle();
    ASSERT_EQ(cycle.size(), 252u); // frames 0..250, then frame 0 again
    for (std::size_t i = 0; i < 251; ++i) {
        ASSERT_EQ(cycle[i].frame, static_cast<std::int32_t>(i)) << "frames are shown in order";
    }
    EXPECT_EQ(cycle[251].frame, 0);
    EXPECT_EQ(cycle[251].at, kCycleMs);
    EXPECT_EQ(cycle[251].text, cycle[0].text);
}

TEST(TitleAnimationCycle, EveryTitleIsVisibleText) {
    // An empty string could be replaced by a default title; "empty" frames are spaces.
    for (std::int32_t f = 0; f < TitleAnimation::kFrameCount; ++f) {
        const auto text = TitleAnimation::FrameText(f);
        if (f == 250) {
            EXPECT_FALSE(text) << "frame 250 keeps the empty title";
            continue;
        }
        ASSERT_TRUE(text) << f;
        EXPECT_FALSE(text->empty()) << f;
        EXPECT_LE(text->size(), 40u) << f;
    }
    EXPECT_FALSE(TitleAnimation::FrameText(-1));
    EXPECT_FALSE(TitleAnimation::FrameText(251));
}

struct FrameCase {
    std::int32_t frame;
    const char* text;      // as shown (trailing spaces ignored)
    std::uint32_t lastsMs; // time on screen at a steady 20 ms tick
};

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class TitleAnimationFrames : public testing::TestWithParam<FrameCase> {};

TEST_P(TitleAnimationFrames, TextAndTimeOnScreen) {
    const FrameCase& c = GetParam();
    const auto& cycle = Cycle();
    const Shown& shown = cycle[static_cast<std::size_t>(c.frame)];
    EXPECT_EQ(TrimRight(shown.text), c.text);
    EXPECT_EQ(cycle[static_cast<std::size_t>(c.frame) + 1].at - shown.at, c.lastsMs);
}

INSTANTIATE_TEST_SUITE_P(
    KeyFrames, TitleAnimationFrames,
    testing::Values(
        FrameCase{0, "     B     r     i     n     o     x", 220},
        FrameCase{1, "    B    r    i    n    o    x", 220}, FrameCase{4, " B r i n o x", 220},
        FrameCase{5, "Brinox", 20}, FrameCase{6, "Brinox", 420}, FrameCase{7, "Brinox 2", 420},
        FrameCase{10, "Brinox 2000", 1020}, FrameCase{11, "Brinox2000", 60},
        FrameCase{12, "Brinox200", 60}, FrameCase{13, "Brnox200", 60}, FrameCase{14, "Bnox200", 60},
        FrameCase{15, "Bnox20", 60}, FrameCase{16, "Bnx20", 60}, FrameCase{17, "Bx20", 60},
        FrameCase{18, "Bx0", 60}, FrameCase{19, "B0", 60}, FrameCase{20, "B", 60},
        FrameCase{21, "", 320}, FrameCase{22, "W", 60}, FrameCase{27, "WoCmhp", 60},
        FrameCase{37, "World Chmponship", 60}, FrameCase{39, "World Championship", 1020},
        FrameCase{40, "World Champonship", 60}, FrameCase{56, "W", 60}, FrameCase{57, "", 320},
        FrameCase{58, "x", 60}, FrameCase{60, "nox", 60}, FrameCase{61, " nox", 60},
        FrameCase{68, "        nox", 60}, FrameCase{69, "i        nox", 60},
        FrameCase{71, "Bri        nox", 60}, FrameCase{72, " Bri        nox", 60},
        FrameCase{81, "          Bri        nox", 60}, FrameCase{82, "         Bri        nox", 60},
        FrameCase{91, "Bri        nox", 60}, FrameCase{92, "Bri       nox", 60},
        FrameCase{98, "Bri nox", 60}, FrameCase{99, "Brinox 1", 140},
        FrameCase{101, "Brinox 198", 140}, FrameCase{102, "Brinox 1985", 140},
        FrameCase{104, "Brinox 1985", 140}, FrameCase{105, "Brinox 1986", 140},
        FrameCase{118, "Brinox 1999", 140}, FrameCase{119, "Brinox 2000", 200},
        FrameCase{120, "Brinox", 200}, FrameCase{121, "Brinox 2000", 200},
        FrameCase{130, "Brinox", 200}, FrameCase{131, "Brinox 2000", 1020},
        FrameCase{132, "Brinox 200", 140}, FrameCase{133, "Brinox 20", 140},
        FrameCase{134, "Brinox 2", 100}, FrameCase{135, "Brinox", 100},
        FrameCase{136, "rinox", 100}, FrameCase{140, "x", 100}, FrameCase{141, "", 1020},
        FrameCase{142, "n", 140}, FrameCase{145, " Fun", 140}, FrameCase{149, "Have Fun", 1020},
        FrameCase{150, "Have Fun with Brinox 2000 !", 1020},
        FrameCase{151, "Have Fun with Brinox 2000 !", 200}, FrameCase{152, "Have Fun", 200},
        FrameCase{153, "Have Fun with Brinox 2000 !", 200}, FrameCase{160, "Have Fun", 200},
        FrameCase{161, "Have Fun with Brinox 2000 !", 1020},
        FrameCase{162, "ave Fun with Brinox 2000 !", 100}, FrameCase{185, "0 !", 100},
        FrameCase{186, "!", 100}, FrameCase{187, "", 520}, FrameCase{188, "p", 100},
        FrameCase{202, "ld Championship", 100},
        FrameCase{218, "Brinox 2000: World Championship", 3020},
        FrameCase{219, "rinox 2000: World Championship", 100}, FrameCase{248, "p", 100},
        FrameCase{249, "", 1020}, FrameCase{250, "", 1020}),
    [](const testing::TestParamInfo<FrameCase>& info) {
        return "Frame" + std::to_string(info.param.frame);
    });

TEST(TitleAnimationClock, WrapPast32BitsKeepsTheRhythm) {
    // Start shortly before the counter wraps: the cycle must look exactly the same.
    const auto wrapped = Walk(0xFFFFFFFFu - 5000, kCycleMs + kTick);
    const auto& plain = Cycle();
    ASSERT_EQ(wrapped.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(wrapped[i].at, plain[i].at) << "frame " << plain[i].frame;
        EXPECT_EQ(wrapped[i].text, plain[i].text) << "frame " << plain[i].frame;
    }
}

TEST(TitleAnimationClock, LateTickShowsOnlyTheNextFrame) {
    // A stalled loop (a modal animation) must not skip frames: one step, one frame.
    TitleAnimation title;
    title.Start(true, 0);
    const auto text = title.Step(true, 5000);
    EXPECT_EQ(title.Frame(), 1);
    ASSERT_TRUE(text);
    EXPECT_EQ(TrimRight(*text), "    B    r    i    n    o    x");
    EXPECT_FALSE(title.Step(true, 5000 + 200)) << "the interval counts from the late step";
}

TEST(TitleAnimationOption, OffShowsThePlainTitleAndNeverChangesIt) {
    const auto shown = Walk(7, 60000, false);
    ASSERT_GE(shown.size(), 2u);
    for (const Shown& s : shown) {
        EXPECT_EQ(s.text, kPlain);
        EXPECT_TRUE(s.frame == 0 || s.frame == 1);
    }
}

TEST(TitleAnimationOption, ChangesTakeEffectAtOnce) {
    TitleAnimation title;
    title.Start(true, 0);
    for (std::uint32_t t = kTick; t <= 3000; t += kTick) {
        title.Step(true, t);
    }
    ASSERT_GT(title.Frame(), 0);

    EXPECT_FALSE(title.OptionChanged(true, true, 3000)) << "unchanged option: nothing";
    EXPECT_GT(title.Frame(), 0);

    EXPECT_EQ(title.OptionChanged(true, false, 3000), kPlain);
    EXPECT_EQ(title.Frame(), 0);
    EXPECT_EQ(title.IntervalMs(), 10000u);
    EXPECT_FALSE(title.Step(false, 3000 + 10000)) << "10 s must pass, strictly";

    const auto on = title.OptionChanged(false, true, 20000);
    ASSERT_TRUE(on);
    EXPECT_EQ(*on, TitleAnimation::FrameText(0));
    EXPECT_EQ(title.IntervalMs(), 200u);
    EXPECT_FALSE(title.Step(true, 20200));
    EXPECT_EQ(title.Step(true, 20220), TitleAnimation::FrameText(1));
}

} // namespace
} // namespace brinox
