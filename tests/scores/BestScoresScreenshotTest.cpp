// Pictures of the best-scores dialog with a freshly ranked row and of the
// Info box, written next to the build for a look by eye
// (screenshots/bestscores.png, bestscores-big.png and info.png).
#include "scores/CBestScoresDlg.h"

#include "FakeClock.h"
#include "ScriptedModalRunner.h"
#include "engine/GameTypes.h"
#include "settings/FileTestSupport.h"

#include <QDir>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

TEST(BestScoresScreenshotTest, RankedRowAndInfoBox) {
    testing::ScratchDirectory dir;
    std::filesystem::create_directory_symlink(BRINOX_GAME_DIR "/graph", dir.File("graph"));
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
    ASSERT_TRUE(out.mkpath(QStringLiteral(".")));
    FakeClock clock;
    Random random;
    ScriptedModalRunner runner;
    InstallModalRunner(&runner);
    const char* const players[] = {"Mira", "Tomasz", "Ann", "Jean-Luc", "Kaito", "Olga"};
    for (int i = 0; i < 6; ++i) {
        runner.names.push_back(QString::fromUtf8(players[i]));
    }
    BestScoresRequest request;
    request.appDirectory = dir.path;
    request.insert = true;
    for (int i = 0; i < 6; ++i) {
        request.entry.score = 48000 - i * 6500 + (i == 2 ? 20000 : 0);
        request.entry.level = 12 - i;
        request.entry.lines = 140 - i * 17;
        request.entry.gameSeconds = i == 2 ? 3725 : 1800 + i * 60;
        request.entry.startTime = "Friday, 4 December 2026 0:03:04";
        request.entry.endTime = "Friday, 4 December 2026 1:05:09";
        request.entry.pieces = 300 + i * 11;
        request.entry.bombsOn = 1;
        request.entry.bombs = 3;
        request.entry.minDropSeconds = 1;
        request.entry.maxDropSeconds = 14;
        request.entry.avgDropSeconds = 6;
        request.large = i == 5;
        CBestScoresDlg dialog(request, {clock, random, nullptr});
        dialog.show();
        dialog.Tick();
        if (i == 2) {
            EXPECT_TRUE(dialog.grab().save(out.filePath(QStringLiteral("bestscores.png"))));
            QMessageBox info(QMessageBox::Information, QStringLiteral("Game Info: Ann"),
                             CBestScoresDlg::InfoText(dialog.Tables().tables[0].rows[0], false),
                             QMessageBox::Ok, &dialog);
            info.show();
            EXPECT_TRUE(info.grab().save(out.filePath(QStringLiteral("info.png"))));
        }
        if (i == 5) {
            EXPECT_TRUE(dialog.grab().save(out.filePath(QStringLiteral("bestscores-big.png"))));
        }
    }
    InstallModalRunner(nullptr);
}

} // namespace
} // namespace brinox::test
