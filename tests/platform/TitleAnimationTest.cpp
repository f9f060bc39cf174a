#include "ui/TitleAnimation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace brinox::test {
namespace {

constexpr std::uint32_t kTick = 20;
constexpr std::uint32_t kCycleMs = 38920;
const std::string kPlain = "Brinox 2000: World Championship";

// What a window would show over time when the tick is a steady 20 ms.
struct Shown {
    std::int32_t frame;
    std::uint32_t at; // ms since start
    std::string text; // the title on screen from then on
    bool operator==(const Shown&) const = default;
};

// With `sleeping` the ticks come only when the title says its next step is
// due, asked a millisecond after each tick as a window does after showing it.
std::vector<Shown> Walk(std::uint32_t start, std::uint32_t duration, bool animate = true,
                        bool sleeping = false, std::uint32_t tick = kTick) {
    TitleAnimation title;
    std::vector<Shown> shown{{title.Frame(), 0, title.Start(animate, start)}};
    std::int32_t frame = title.Frame();
    const auto next = [&](std::uint32_t t) {
        const auto wait = title.WaitForNextStep(start + t + 1, static_cast<std::int32_t>(tick));
        return sleeping ? t + 1 + static_cast<std::uint32_t>(std::max<std::int64_t>(1, wait))
                        : t + tick;
    };
    for (std::uint32_t t = next(0); t <= duration; t = next(t)) {
        const auto text = title.Step(animate, start + t);
        if (title.Frame() != frame || text) {
            frame = title.Frame();
            shown.push_back({frame, t, text ? *text : shown.back().text});
        }
    }
    return shown;
}

std::string TrimRight(std::string text) {
    return text.erase(text.find_last_not_of(' ') + 1);
}

TEST(TitleAnimationCycle, FramesShowTheirTextForTheirTimeAndTheCycleTakes38920Ms) {
    const auto cycle = Walk(1000, kCycleMs + kTick); // a cycle and the return to frame 0
    ASSERT_EQ(cycle.size(), 252u);                   // frames 0..250 in order, then frame 0 again
    EXPECT_EQ(cycle[251].frame, 0);
    EXPECT_EQ(cycle[251].at, kCycleMs);
    // frame, text shown (trailing blanks ignored), time on screen at a steady 20 ms tick
    const struct {
        std::size_t frame;
        const char* text;
        std::uint32_t lastsMs;
    } frames[] = {// clang-format off
        {0, "     B     r     i     n     o     x", 220}, {4, " B r i n o x", 220}, {5, "Brinox", 20},
        {6, "Brinox", 420}, {10, "Brinox 2000", 1020}, {11, "Brinox2000", 60}, {21, "", 320},
        {22, "W", 60}, {39, "World Championship", 1020}, {57, "", 320}, {58, "x", 60},
        {68, "        nox", 60}, {71, "Bri        nox", 60}, {98, "Bri nox", 60}, {99, "Brinox 1", 140},
        {102, "Brinox 1985", 140}, {118, "Brinox 1999", 140}, {119, "Brinox 2000", 200},
        {120, "Brinox", 200}, {131, "Brinox 2000", 1020}, {141, "", 1020}, {149, "Have Fun", 1020},
        {150, "Have Fun with Brinox 2000 !", 1020}, {152, "Have Fun", 200},
        {20, "B", 60}, {56, "W", 60}, {60, "nox", 60}, {81, "          Bri        nox", 60},
        {91, "Bri        nox", 60}, {101, "Brinox 198", 140}, {104, "Brinox 1985", 140}, {132, "Brinox 200", 140}, {134, "Brinox 2", 100}, {135, "Brinox", 100}, {140, "x", 100},
        {142, "n", 140}, {151, "Have Fun with Brinox 2000 !", 200}, {162, "ave Fun with Brinox 2000 !", 100},
        {161, "Have Fun with Brinox 2000 !", 1020}, {185, "0 !", 100}, {186, "!", 100}, {187, "", 520},
        {188, "p", 100}, {217, "rinox 2000: World Championship", 100}, {248, "p", 100},
        {218, "Brinox 2000: World Championship", 3020}, {219, "rinox 2000: World Championship", 100},
        {249, "", 1020}, {250, "", 1020}};
    // clang-format on
    for (const auto& f : frames) {
        EXPECT_EQ(cycle[f.frame].frame, static_cast<std::int32_t>(f.frame));
        EXPECT_EQ(TrimRight(cycle[f.frame].text), f.text) << f.frame;
        EXPECT_EQ(cycle[f.frame + 1].at - cycle[f.frame].at, f.lastsMs) << f.frame;
    }
    // Started shortly before the millisecond counter wraps, or woken only when
    // a step is due, the cycle looks the same.
    for (const auto& other :
         {Walk(0xFFFFFFFFu - 5000, kCycleMs + kTick), Walk(1000, kCycleMs + kTick, true, true)}) {
        EXPECT_EQ(other, cycle);
    }
    // At a 1 ms tick each frame lasts its interval and a millisecond: 35,011 ms in all.
    EXPECT_EQ(Walk(1000, 35'011, true, false, 1).back().at, 35'011u);
}

// A stalled loop (a modal animation) must not skip frames: one step, one
// frame. Switching the animation shows the new title at once and restarts the
// step clock; an unchanged switch does nothing.
TEST(TitleAnimationStep, ALateTickStepsOneFrameAndASwitchTakesEffectAtOnce) {
    TitleAnimation title;
    title.Start(true, 0);
    EXPECT_EQ(TrimRight(title.Step(true, 5000).value_or("")), "    B    r    i    n    o    x");
    EXPECT_EQ(title.Frame(), 1);
    EXPECT_FALSE(title.Step(true, 5000 + 200));
    EXPECT_FALSE(title.OptionChanged(true, true, 5300));
    EXPECT_EQ(title.Frame(), 1);
    EXPECT_EQ(title.OptionChanged(true, false, 5300), kPlain);
    EXPECT_EQ(title.Frame(), 0);
    EXPECT_EQ(title.IntervalMs(), 10000u);
    EXPECT_FALSE(title.Step(false, 5300 + 10000)) << "10 s must pass, strictly";
    EXPECT_EQ(title.OptionChanged(false, true, 20000), TitleAnimation::FrameText(0));
    EXPECT_EQ(title.IntervalMs(), 200u);
    EXPECT_FALSE(title.Step(true, 20200));
    EXPECT_EQ(title.Step(true, 20220), TitleAnimation::FrameText(1));
}

} // namespace
} // namespace brinox::test
