// The commands of the main window, one function each; when each may be used
// is the session's rule. The menu, the accelerators and the tool bar all come
// through Run.
#include "CGameFrame.h"
#include "EnumTable.h"

#include "engine/FileNames.h"
#include "engine/GameTypes.h"
#include "platform/FileChooser.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/ModalRunner.h"
#include "platform/WebLinks.h"
#include "scores/CBestScoresDlg.h"
#include "scores/ScoreTableSet.h"
#include "settings/OptionsSheet.h"
#include "settings/SavedGame.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <array>
#include <optional>
#include <vector>

namespace brinox {

namespace {

FileDialogRequest SavedGameDialog(const QString& title) {
    return {title, QStringLiteral("Brinox 2000 Save Files (*.tsv);;All Files (*)"),
            QStringLiteral("tsv"), QStringLiteral("untitled")};
}

std::string FullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath().toStdString();
}

// Copies one page's group of the chosen options; true when it differed.
template <class Group> bool TakeGroup(Options& options, const Options& chosen) {
    Group& group = options;
    const Group& wanted = chosen;
    if (group == wanted) {
        return false;
    }
    group = wanted;
    return true;
}

} // namespace

CGameFrame::CommandFunction CGameFrame::FunctionOf(Command command) {
    struct Row {
        Command command;
        CommandFunction run;
    };
    using F = CGameFrame;
    static constexpr std::array<Row, kCommandCount> kFunctions = {{
        {Command::StartStop, &F::StartStopGame},
        {Command::Pause, &F::TogglePause},
        {Command::Options, &F::OpenOptions},
        {Command::SizeNormal, &F::UseNormalSize},
        {Command::SizeBig, &F::UseBigSize},
        {Command::SizeAutomatic, &F::UseAutomaticSize},
        {Command::Save, &F::SaveGameAs},
        {Command::Load, &F::LoadGame},
        {Command::Exit, &F::ConfirmQuit},
        {Command::Champions2000, &F::ShowChampions2000},
        {Command::Champions2001, &F::ShowChampions2001},
        {Command::HelpIndex, &F::ShowHelpIndex},
        {Command::Homepage, &F::OpenHomepage},
        {Command::AboutCathedral, &F::ShowAboutCathedral},
        {Command::About, &F::ShowAbout},
        {Command::LocalBestScores, &F::ShowLocalBestScores},
        {Command::WorldTop10, &F::ShowWorldTop10},
        {Command::ChampionshipHomepage, &F::OpenChampionshipHomepage},
    }};
    static_assert(RowsInEnumOrder(kFunctions, &Row::command));
    return kFunctions[IndexOf(command)].run;
}

void CGameFrame::Run(Command command) {
    if (Enabled(command)) {
        (this->*FunctionOf(command))();
    }
}

void CGameFrame::UpdateMenu() {
    menu->Update(session.ShownFlags(), options, windowSizeSetting,
                 [this](Command command) { return Enabled(command); });
}

// ---- Game ---------------------------------------------------------------

void CGameFrame::StartStopGame() {
    if (session.Watching()) {
        StopWatching();
        return;
    }
    game.StartStopCommand();
}

void CGameFrame::TogglePause() {
    if (session.Watching()) {
        session.Viewer().TogglePause();
        ShowWatchingState();
        return;
    }
    game.PauseCommand();
    // A menu item flips its own check mark; the game decides what it shows.
    UpdateMenu();
}

void CGameFrame::OpenOptions() {
    game.RunSuspended([this] {
        OptionsSheet sheet({options, game.Flags().gameInProgress != 0, appDirectory, sounds,
                            pad ? pad->Name() : std::string()},
                           this);
        if (RunModal(sheet) == QDialog::Accepted) {
            ApplyOptions(sheet.Chosen());
        }
        // Written whatever the answer, so the file always holds what is in force.
        SaveOptionsFile();
    });
}

void CGameFrame::ApplyOptions(const Options& chosen) {
    TakeGroup<GameOptions>(options, chosen);

    const InterfaceOptions before = options;
    if (TakeGroup<InterfaceOptions>(options, chosen)) {
        if (auto text = title.OptionChanged(before.animateTitle != 0, options.animateTitle != 0,
                                            clock.Milliseconds())) {
            setWindowTitle(QString::fromStdString(*text));
        }
        // Only a set that changed is read again.
        if (options.blockSet != before.blockSet) {
            pictures.LoadBlockSet(appDirectory, options.blockSet);
        }
        if (options.digitSet != before.digitSet) {
            pictures.LoadDigitSet(appDirectory, options.digitSet);
        }
    }

    TakeGroup<ControlOptions>(options, chosen);

    if (TakeGroup<SoundOptions>(options, chosen) && ownSounds) {
        // A new file is loaded now, so its event sounds at once when it comes.
        ownSounds->Preload(options);
    }
}

// ---- Saved games ----------------------------------------------------------

void CGameFrame::SaveGameAs() {
    if (!game.Flags().gameInProgress) {
        ShowInformation(this, QStringLiteral("Attention! You can save game only guring the game"));
        RedrawAll();
        return;
    }
    if (!game.SaveAllowed()) {
        game.RunSuspended([this] {
            ShowInformation(this, QStringLiteral("Attention! You can not save game in the "
                                                 "Quadel: World Championship mode"));
        });
        return;
    }
    game.RunSuspended([this] {
        const QString path = CurrentFileChooser().SaveFileName(
            this, SavedGameDialog(QStringLiteral("Save Brinox 2000 Game")));
        if (path.isEmpty()) {
            return;
        }
        if (!WriteSavedGame(path.toStdString(), session.CurrentGame(), random,
                            clock.CalendarSeconds())) {
            ShowWarning(this, QString::fromStdString(CannotSaveGameMessage(FullPath(path))));
        }
    });
}

void CGameFrame::LoadGame() {
    game.RunSuspended([this] {
        const QString path = CurrentFileChooser().OpenFileName(
            this, SavedGameDialog(QStringLiteral("Load Brinox 2000 Game")));
        if (path.isEmpty() ||
            (game.Flags().gameInProgress &&
             !AskYesNo(this, QStringLiteral("Attention! Do you want to cancel current game?")))) {
            return;
        }
        SavedGame loaded = session.CurrentGame();
        switch (ReadSavedGame(path.toStdString(), loaded)) {
        case SavedGameLoad::CannotOpen:
            ShowWarning(this, QStringLiteral("ERROR! It is impossible to open file \"%1\"")
                                  .arg(QString::fromStdString(FullPath(path))));
            return;
        case SavedGameLoad::Incorrect:
            ShowWarning(this, QString::fromUtf8(kSavedFileIncorrectMessage));
            return;
        case SavedGameLoad::Ok:
            session.TakeLoadedGame(loaded);
            SaveOptionsFile();
            return;
        }
    });
}

// ---- Best scores ----------------------------------------------------------

void CGameFrame::ShowLocalBestScores() {
    BestScoresRequest request;
    request.gameType = Quadel;
    request.gameMode = Classic;
    ShowBestScores(std::move(request));
}

void CGameFrame::ShowWorldTop10() {
    BestScoresRequest request;
    request.gameType = Quadel;
    request.gameMode = kTop10Mode;
    ShowBestScores(std::move(request));
}

void CGameFrame::RankFinishedGame() {
    if (!finishedGame || quitting) {
        return;
    }
    BestScoresRequest request = RequestForResult(*finishedGame);
    finishedGame.reset();
    ShowBestScores(std::move(request));
}

void CGameFrame::ShowBestScores(BestScoresRequest request) {
    request.appDirectory = appDirectory;
    request.large = layout.size == WindowSize::Big;
    request.logo = pictures.Get(Picture::Logo);
    std::optional<std::vector<std::uint8_t>> chosen;
    game.RunSuspended([&] {
        CBestScoresDlg dialog(request, {clock, random, championship}, this);
        RunModal(dialog);
        if (const std::vector<std::uint8_t>* replay = dialog.ReplayToWatch()) {
            chosen = *replay;
        }
    });
    // Watched once the dialog is gone and the game has its pause state back.
    if (chosen) {
        WatchReplay(*chosen);
    }
}

// ---- Help, links and information --------------------------------------------

HelpViewer& CGameFrame::Help() {
    if (helpViewer == nullptr) {
        helpViewer =
            new HelpViewer(QString::fromStdString(appDirectory + std::string(files::kHelp)), this);
        helpViewer->SetLarge(layout.size == WindowSize::Big);
        helpViewer->PlaceBeside(frameGeometry());
        // Reading help is like switching to another program: the game stands
        // still and takes no keys while the viewer is the active window.
        connect(helpViewer, &HelpViewer::ActiveChanged, this, [this](bool active) {
            SetAppActive(!active && QGuiApplication::applicationState() == Qt::ApplicationActive);
        });
    }
    helpViewer->SetLarge(layout.size == WindowSize::Big);
    return *helpViewer;
}

void CGameFrame::ShowHelpIndex() {
    game.RunSuspended([this] {
        HelpViewer& help = Help();
        // A viewer left open by context help becomes the modal one.
        help.hide();
        help.ShowTopic(1);
        RunModal(help);
    });
}

void CGameFrame::ShowContextHelp() {
    HelpViewer& help = Help();
    help.ShowTopic(10);
    help.show();
    help.raise();
}

void CGameFrame::OpenHomepage() {
    OpenWebAddress(LoadWebLinks(appDirectory).homepage);
}

void CGameFrame::OpenChampionshipHomepage() {
    OpenWebAddress(LoadWebLinks(appDirectory).championshipPage);
}

void CGameFrame::ShowInformationDialog(const InformationDialogs::Maker& make) {
    if (!make) {
        return;
    }
    const std::unique_ptr<QDialog> dialog = make(this, appDirectory);
    game.RunSuspended([&dialog] { RunModal(*dialog); });
}

void CGameFrame::ShowAbout() {
    ShowInformationDialog(informationDialogs.about);
}

void CGameFrame::ShowAboutCathedral() {
    ShowInformationDialog(informationDialogs.aboutCathedral);
}

void CGameFrame::ShowChampions2000() {
    ShowInformationDialog(informationDialogs.champions2000);
}

void CGameFrame::ShowChampions2001() {
    ShowInformationDialog(informationDialogs.champions2001);
}

} // namespace brinox
