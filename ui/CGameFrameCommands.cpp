// The commands the window carries out, one function each: the dialogs, the
// file choosers and the messages around what the session decides. When each
// may be used is the session's rule; the menu, the accelerators, the tool
// bar and the pad all come through Run.
#include "CGameFrame.h"
#include "EnumTable.h"

#include "engine/FileNames.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/ModalRunner.h"
#include "scores/CBestScoresDlg.h"
#include "settings/OptionsSheet.h"
#include "settings/SavedGame.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <array>

namespace brinox {

namespace {

FileDialogRequest SavedGameDialog(const QString& title) {
    return {title, CGameFrame::tr("Brinox 2000 Save Files (*.tsv);;All Files (*)"),
            QStringLiteral("tsv"), QStringLiteral("untitled")};
}

std::string FullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath().toStdString();
}

} // namespace

CGameFrame::CommandFunction CGameFrame::FunctionOf(Command command) {
    struct Row {
        Command command;
        CommandFunction run; // none: the session's or the shell's
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
        {Command::Champions2000, nullptr},
        {Command::Champions2001, nullptr},
        {Command::HelpIndex, nullptr},
        {Command::Homepage, nullptr},
        {Command::AboutCathedral, nullptr},
        {Command::About, nullptr},
        {Command::LocalBestScores, &F::ShowLocalBestScores},
        {Command::WorldTop10, &F::ShowWorldTop10},
        {Command::ChampionshipHomepage, nullptr},
        {Command::ToggleNextBar, nullptr},
        {Command::ToggleToolBar, nullptr},
        {Command::ToggleStatusBar, nullptr},
        {Command::NextGameType, nullptr},
        {Command::NextGameMode, nullptr},
        {Command::ToggleBombs, nullptr},
    }};
    static_assert(RowsInEnumOrder(kFunctions, &Row::command));
    return kFunctions[IndexOf(command)].run;
}

void CGameFrame::Run(Command command) {
    if (!session.Enabled(command)) {
        return;
    }
    if (session.Carry(command)) {
        RedrawAll();
    } else if (!shell.Carry(command)) {
        (this->*FunctionOf(command))();
    }
}

void CGameFrame::UpdateMenu() {
    menu->Update(session.ShownFlags(), session.ShownOptions(), WindowSizeSetting(),
                 [this](Command command) { return session.Enabled(command); });
}

void CGameFrame::StartStopGame() {
    if (session.StartStop()) {
        watch.Stop();
    }
}

void CGameFrame::TogglePause() {
    session.Pause();
    if (session.Watching()) {
        watch.ShowState();
    }
    // A menu item flips its own check mark; the game decides what it shows.
    UpdateMenu();
}

void CGameFrame::OpenOptions() {
    session.RunSuspended([this] {
        OptionsSheet sheet({session.Settings(), session.InGame(), AppDirectory(), sounds,
                            pad ? pad->Name() : std::string()},
                           this);
        if (RunModal(sheet) == QDialog::Accepted) {
            ApplyOptions(sheet.Chosen());
        }
        session.OptionsSheetClosed();
    });
}

void CGameFrame::ApplyOptions(const Options& chosen) {
    const bool animated = session.Settings().animateTitle != 0;
    const GameSession::OptionChanges changed = session.TakeOptions(chosen);
    const Options& now = session.Settings();
    if (changed.animateTitle) {
        if (auto text = title.OptionChanged(animated, !animated, clock.Milliseconds())) {
            setWindowTitle(QString::fromStdString(*text));
        }
    }
    // Only a set that changed is read again.
    if (changed.blockSet) {
        pictures.LoadBlockSet(AppDirectory(), now.blockSet);
    }
    if (changed.digitSet) {
        pictures.LoadDigitSet(AppDirectory(), now.digitSet);
    }
    if (changed.sounds && ownSounds) {
        // A new file is loaded now, so its event sounds at once when it comes.
        ownSounds->Preload(now);
    }
}

void CGameFrame::SaveGameAs() {
    session.RunSuspended([this] {
        const QString path =
            CurrentFileChooser().SaveFileName(this, SavedGameDialog(tr("Save Brinox 2000 Game")));
        if (!path.isEmpty() && !session.SaveGame(path.toStdString())) {
            ShowWarning(this,
                        Shown(kCannotSaveGameMessage).arg(QString::fromStdString(FullPath(path))));
        }
    });
}

void CGameFrame::LoadGame() {
    session.RunSuspended([this] {
        const QString path =
            CurrentFileChooser().OpenFileName(this, SavedGameDialog(tr("Load Brinox 2000 Game")));
        if (path.isEmpty()) {
            return;
        }
        switch (session.LoadGame(path.toStdString(), [this] {
            return AskYesNo(this, tr("Attention! Do you want to cancel current game?"));
        })) {
        case GameSession::LoadOutcome::CannotOpen:
            ShowWarning(this, tr("ERROR! It is impossible to open file \"%1\"")
                                  .arg(QString::fromStdString(FullPath(path))));
            break;
        case GameSession::LoadOutcome::Incorrect:
            ShowWarning(this, Shown(kSavedFileIncorrectMessage));
            break;
        case GameSession::LoadOutcome::Loaded:
        case GameSession::LoadOutcome::Declined:
            break;
        }
    });
}

void CGameFrame::ShowBestScoresOf(Command command) {
    const auto [type, mode] = GameSession::TableOf(command);
    ShowBestScores({std::string(), type, mode, false, {}});
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
    request.appDirectory = AppDirectory();
    request.large = layout.size == WindowSize::Big;
    request.logo = pictures.Get(Picture::Logo);
    std::optional<std::vector<std::uint8_t>> chosen;
    session.RunSuspended([&] {
        CBestScoresDlg dialog(request, {clock, session.RandomSource(), championship}, this);
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

// A tool-bar button runs its command like the menu's; the session names it.
void CGameFrame::ClickButton(ToolButton button) {
    if (!ButtonEnabled(button)) {
        return;
    }
    if (button != ToolButton::Logo) {
        session.PlaySound(SoundEvent::ButtonPress);
    }
    ReleaseButton(button);
}

bool CGameFrame::ReleaseButton(ToolButton button) {
    const bool stopping = button == ToolButton::StartStop && session.InGame();
    Run(GameSession::CommandOf(button));
    if (button == ToolButton::Logo) {
        return true;
    }
    buttons[button] = 1;
    RedrawAll();
    // A game cancelled here ends the click.
    return !(stopping && !session.InGame());
}

} // namespace brinox
