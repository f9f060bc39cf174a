#include "ShellCommands.h"

#include "engine/FileNames.h"
#include "platform/HelpViewer.h"
#include "platform/ModalRunner.h"
#include "platform/WebLinks.h"

#include <QWidget>

namespace brinox {

ShellCommands::ShellCommands(QWidget& window, Links links)
    : window(window), links(std::move(links)) {}

bool ShellCommands::Carry(Command command) {
    switch (command) {
    case Command::Champions2000:
        ShowDialog(dialogs.champions2000);
        return true;
    case Command::Champions2001:
        ShowDialog(dialogs.champions2001);
        return true;
    case Command::AboutCathedral:
        ShowDialog(dialogs.aboutCathedral);
        return true;
    case Command::About:
        ShowDialog(dialogs.about);
        return true;
    case Command::HelpIndex:
        links.suspended([this] {
            HelpViewer& viewer = Help();
            // A viewer left open beside the window becomes the modal one.
            viewer.hide();
            viewer.ShowTopic(1);
            RunModal(viewer);
        });
        return true;
    case Command::Homepage:
        OpenWebAddress(LoadWebLinks(links.appDirectory()).homepage);
        return true;
    case Command::ChampionshipHomepage:
        OpenWebAddress(LoadWebLinks(links.appDirectory()).championshipPage);
        return true;
    default:
        return false;
    }
}

void ShellCommands::ShowContextHelp() {
    HelpViewer& viewer = Help();
    viewer.ShowTopic(10);
    viewer.show();
    viewer.raise();
}

HelpViewer& ShellCommands::Help() {
    const bool first = help == nullptr;
    if (first) {
        help = new HelpViewer(
            QString::fromStdString(links.appDirectory() + std::string(files::kHelp)), &window);
        QObject::connect(help, &HelpViewer::ActiveChanged, &window,
                         [this](bool active) { links.helpActive(active); });
    }
    help->SetLarge(links.large());
    if (first) {
        help->PlaceBeside(window.frameGeometry()); // at its size
    }
    return *help;
}

void ShellCommands::ShowDialog(const InformationDialogs::Maker& make) {
    if (!make) {
        return;
    }
    const std::unique_ptr<QDialog> dialog = make(&window, links.appDirectory());
    links.suspended([&dialog] { RunModal(*dialog); });
}

} // namespace brinox
