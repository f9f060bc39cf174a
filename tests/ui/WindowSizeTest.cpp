// Which size the window takes for a screen and a setting.
#include "WindowFixture.h"

#include "ui/WindowSize.h"

namespace brinox::test {
namespace {

TEST(WindowSizeTest, BigFromEightThirtyBySixTwentyUnlessTheSettingFixesIt) {
    const struct {
        std::int32_t setting, width, height;
        WindowSize size;
    } cases[] = {{100, 1024, 768, WindowSize::Big},   {100, 800, 600, WindowSize::Normal},
                 {100, 830, 620, WindowSize::Big},    {100, 829, 620, WindowSize::Normal},
                 {100, 830, 619, WindowSize::Normal}, {0, 1920, 1080, WindowSize::Normal},
                 {1, 640, 480, WindowSize::Big},      {7, 640, 480, WindowSize::Normal}};
    for (const auto& c : cases) {
        EXPECT_EQ(WindowSizeOfSetting(c.setting, c.width, c.height), c.size)
            << c.setting << " " << c.width << "x" << c.height;
    }
}

} // namespace
} // namespace brinox::test
