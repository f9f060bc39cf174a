// The options sheet: the pages Game, Interface, Control and Sound on tabs,
// with OK and Cancel and no Apply. Made afresh for every use; each page works
// on its own copy of the options, and only OK collects them, in page order,
// into Chosen(). Applying them to the program is the caller's business.
#pragma once

#include "engine/Options.h"

#include <QDialog>

#include <string>

class QTabWidget;

namespace brinox {

class CConOpt;
class CGameOpt;
class CIntOpt;
class CSndOpt;
class GameSounds;

struct OptionsSheetInput {
    const Options& options;
    bool gameInProgress;       // greys out the settings of the next game
    std::string appDirectory;  // for the default sound files
    GameSounds& sounds;        // what "Play" of the Sound page uses
    std::string gamepadName{}; // the controller the Control page names; empty: none
};

class OptionsSheet : public QDialog {
    Q_OBJECT

public:
    explicit OptionsSheet(const OptionsSheetInput& input, QWidget* parent = nullptr);

    // The options with every page's values; meaningful after OK.
    const Options& Chosen() const { return chosen; }
    QTabWidget& Pages() { return *pages; }

    void accept() override;

private:
    Options chosen;
    QTabWidget* pages = nullptr;
    CGameOpt* gamePage = nullptr;
    CIntOpt* interfacePage = nullptr;
    CConOpt* controlPage = nullptr;
    CSndOpt* soundPage = nullptr;
};

} // namespace brinox
