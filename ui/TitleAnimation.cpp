#include "TitleAnimation.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace brinox {
namespace {

const std::string kName = "Brinox";
const std::string kGreeting = "Have Fun with Brinox 2000 !";
const std::string kFirstHalf = "Bri";
const std::string kSecondHalf = "nox";
const std::string kGap(8, ' ');
// A title of spaces only: an empty one could be replaced by the toolkit's default.
const std::string kEmpty = " ";

// "World Championship" assembled letter by letter, in insertion order.
constexpr std::array<const char*, 18> kBuildUp = {
    "W",
    "Wp",
    "Wop",
    "Wohp",
    "WoChp",
    "WoCmhp",
    "WoCmphp",
    "WorCmphp",
    "WordCmphp",
    "WordChmphp",
    "WordChmpshp",
    "WordChmpship",
    "WordChmpnship",
    "WordChmponship",
    "WorldChmponship",
    "World Chmponship",
    "World Champonship",
    "World Championship",
};

struct FrameInfo {
    std::optional<std::string> text;
    std::optional<std::uint32_t> interval;
};

std::string Spaces(std::int32_t count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

// The letters of the name at the given 1-based positions.
std::string Letters(std::initializer_list<int> positions) {
    std::string text;
    for (const int p : positions) {
        text += kName[static_cast<std::size_t>(p - 1)];
    }
    return text;
}

std::string Suffix(const std::string& text, std::int32_t length) {
    return text.substr(text.size() - static_cast<std::size_t>(length));
}

std::string SpreadName(std::int32_t frame) {
    std::string text;
    for (const char letter : kName) {
        text += Spaces(5 - frame) + letter;
    }
    return text;
}

std::string SplitName(std::int32_t lead) {
    return Spaces(lead) + kFirstHalf + kGap + kSecondHalf;
}

std::string NameAndYearTexts(std::int32_t f) {
    if (f <= 10) {
        return kName + std::string(" 2000").substr(0, static_cast<std::size_t>(f - 5));
    }
    static const std::array<std::string, 10> kShrink = {
        kName + "2000",
        kName + "200",
        Letters({1, 2, 4, 5, 6}) + "200",
        Letters({1, 4, 5, 6}) + "200",
        Letters({1, 4, 5, 6}) + "20",
        Letters({1, 4, 6}) + "20",
        Letters({1, 6}) + "20",
        Letters({1, 6}) + "0",
        Letters({1}) + "0",
        Letters({1}),
    };
    return kShrink[static_cast<std::size_t>(f - 11)];
}

std::optional<std::string> TextOf(std::int32_t f) {
    if (f <= 4)
        return SpreadName(f);
    if (f <= 6)
        return kName;
    if (f <= 20)
        return NameAndYearTexts(f);
    if (f == 21 || f == 57 || f == 141 || f == 187 || f == 249)
        return kEmpty;
    if (f <= 39)
        return std::string(kBuildUp[static_cast<std::size_t>(f - 22)]);
    if (f <= 56)
        return std::string(kBuildUp[static_cast<std::size_t>(56 - f)]);
    if (f <= 60)
        return Suffix(kName, f - 57);
    if (f <= 68)
        return Spaces(f - 60) + kSecondHalf;
    if (f <= 71)
        return Suffix(kFirstHalf, f - 68) + kGap + kSecondHalf;
    if (f <= 81)
        return SplitName(f - 71);
    if (f <= 91)
        return SplitName(91 - f);
    if (f <= 98)
        return kFirstHalf + Spaces(99 - f) + kSecondHalf;
    if (f <= 101)
        return kName + std::string(" 198").substr(0, static_cast<std::size_t>(f - 97));
    if (f <= 104)
        return kName + " 1985";
    if (f <= 118)
        return kName + " " + std::to_string(1986 + (f - 105));
    if (f <= 131)
        return (f >= 120 && f % 2 == 0) ? kName : kName + " 2000";
    if (f <= 134)
        return kName + std::string(" 200").substr(0, static_cast<std::size_t>(136 - f));
    if (f <= 140)
        return kName.substr(static_cast<std::size_t>(f - 135));
    if (f <= 149)
        return Suffix("Have Fun", f - 141);
    if (f <= 161)
        return (f >= 152 && f <= 160 && f % 2 == 0) ? std::string("Have Fun") : kGreeting;
    if (f <= 185)
        return Suffix(kGreeting, 26 - (f - 162));
    if (f == 186)
        return std::string("!");
    if (f <= 218)
        return Suffix(TitleAnimation::kPlainTitle, f - 187);
    if (f <= 248)
        return Suffix(TitleAnimation::kPlainTitle, 30 - (f - 219));
    return std::nullopt; // frame 250 keeps the empty title one more wait
}

std::optional<std::uint32_t> IntervalOf(std::int32_t f) {
    struct Wait {
        std::int32_t frame;
        std::uint32_t ms;
    };
    static constexpr std::array kWaits = {
        Wait{0, 200},    Wait{5, 10},     Wait{6, 400},    Wait{10, 1000},  Wait{11, 50},
        Wait{21, 300},   Wait{22, 50},    Wait{39, 1000},  Wait{40, 50},    Wait{57, 300},
        Wait{58, 50},    Wait{99, 120},   Wait{119, 180},  Wait{131, 1000}, Wait{132, 120},
        Wait{134, 80},   Wait{141, 1000}, Wait{142, 120},  Wait{149, 1000}, Wait{150, 1000},
        Wait{151, 180},  Wait{161, 1000}, Wait{162, 80},   Wait{187, 500},  Wait{188, 80},
        Wait{218, 3000}, Wait{219, 80},   Wait{249, 1000},
    };
    for (const Wait& wait : kWaits) {
        if (wait.frame == f) {
            return wait.ms;
        }
    }
    return std::nullopt;
}

const std::array<FrameInfo, TitleAnimation::kFrameCount>& Frames() {
    static const auto frames = [] {
        std::array<FrameInfo, TitleAnimation::kFrameCount> table{};
        for (std::int32_t f = 0; f < TitleAnimation::kFrameCount; ++f) {
            table[static_cast<std::size_t>(f)] = {TextOf(f), IntervalOf(f)};
        }
        return table;
    }();
    return frames;
}

constexpr std::uint32_t kPlainIntervalMs = 10000;

} // namespace

std::string TitleAnimation::Start(bool animate, std::uint32_t now) {
    frame = 0;
    lastStep = now;
    intervalMs = animate ? *FrameInterval(0) : kPlainIntervalMs;
    return animate ? *FrameText(0) : std::string(kPlainTitle);
}

std::optional<std::string> TitleAnimation::Step(bool animate, std::uint32_t now) {
    if (now - lastStep <= intervalMs) {
        return std::nullopt;
    }
    lastStep = now;
    if (!animate) {
        // Off: a slow two-step beat that only ever puts the plain title back.
        frame = frame >= 1 ? 0 : frame + 1;
        return frame == 0 ? std::optional<std::string>(kPlainTitle) : std::nullopt;
    }
    frame = frame >= kFrameCount - 1 ? 0 : frame + 1;
    if (const auto interval = FrameInterval(frame)) {
        intervalMs = *interval;
    }
    return FrameText(frame);
}

std::int64_t TitleAnimation::WaitForNextStep(std::uint32_t now, std::int32_t beatMs) const {
    // Step moves on once more than intervalMs have passed: on the first beat
    // after the interval, which a waker firing a little late still finds due.
    const std::int64_t beats = std::int64_t{intervalMs} / beatMs + 1;
    const std::int64_t passed = static_cast<std::uint32_t>(now - lastStep);
    return std::max<std::int64_t>(0, beats * beatMs - passed);
}

std::optional<std::string> TitleAnimation::OptionChanged(bool wasOn, bool nowOn,
                                                         std::uint32_t now) {
    if (wasOn == nowOn) {
        return std::nullopt;
    }
    return Start(nowOn, now);
}

std::optional<std::string> TitleAnimation::FrameText(std::int32_t frame) {
    if (frame < 0 || frame >= kFrameCount) {
        return std::nullopt;
    }
    return Frames()[static_cast<std::size_t>(frame)].text;
}

std::optional<std::uint32_t> TitleAnimation::FrameInterval(std::int32_t frame) {
    if (frame < 0 || frame >= kFrameCount) {
        return std::nullopt;
    }
    return Frames()[static_cast<std::size_t>(frame)].interval;
}

} // namespace brinox
