// The animated text of the main window's title bar: an endless cycle of 251
// frames spelling out the name, the year, "World Championship" and a
// greeting, advanced by the 20 ms game tick. With the option off the title is
// the plain game name and never changes. The clock is read as an unsigned
// millisecond counter; only wrapping differences are taken, so the counter
// passing 2^32 does not stop the cycle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brinox {

class TitleAnimation {
public:
    static constexpr std::int32_t kFrameCount = 251;
    static constexpr const char* kPlainTitle = "Brinox 2000: World Championship";

    // Window creation: frame 0 for 200 ms with the option on, the plain title
    // with it off. Returns the title to show.
    std::string Start(bool animate, std::uint32_t now);
    // One game tick; the new title when this step shows one.
    std::optional<std::string> Step(bool animate, std::uint32_t now);
    // Milliseconds from now until the beat, counted in `beatMs` steps from the
    // last step, at which Step will next change something (0: due now).
    std::int64_t WaitForNextStep(std::uint32_t now, std::int32_t beatMs) const;
    // The option was changed in the options sheet; the title to show at once,
    // nothing when the option kept its value.
    std::optional<std::string> OptionChanged(bool wasOn, bool nowOn, std::uint32_t now);

    // Text of a frame of the cycle; nothing for a frame that keeps the title.
    static std::optional<std::string> FrameText(std::int32_t frame);
    // Wait set by a frame before the next one; nothing when it keeps the last wait.
    static std::optional<std::uint32_t> FrameInterval(std::int32_t frame);

    std::int32_t Frame() const { return frame; }
    std::uint32_t IntervalMs() const { return intervalMs; }

private:
    std::int32_t frame = 0;
    std::uint32_t intervalMs = 200;
    std::uint32_t lastStep = 0;
};

} // namespace brinox
