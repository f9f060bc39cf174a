#include "DrawnButtonAccessible.h"

#include "CGameFrame.h"
#include "EnumTable.h"
#include "FrameView.h"

#include "engine/GameTypes.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <array>

namespace brinox {

namespace {

// How a button is named: by the menu item of the same command (Help by the
// title of its menu: its item says "Index"), or, with no command, as the
// options sheet names the setting it changes (OwnName).
struct Naming {
    ToolButton button;
    std::optional<Command> command;
    bool byMenuTitle = false;
};

constexpr std::array<Naming, kToolButtonCount> kNaming = {{
    {ToolButton::NextBarToggle, std::nullopt},
    {ToolButton::ToolBarToggle, std::nullopt},
    {ToolButton::StatusBarToggle, std::nullopt},
    {ToolButton::StartStop, Command::StartStop},
    {ToolButton::Pause, Command::Pause},
    {ToolButton::Options, Command::Options},
    {ToolButton::Save, Command::Save},
    {ToolButton::Load, Command::Load},
    {ToolButton::LocalBestScores, Command::LocalBestScores},
    {ToolButton::WorldTop10, Command::WorldTop10},
    {ToolButton::Help, Command::HelpIndex, true},
    {ToolButton::Exit, Command::Exit},
    {ToolButton::GameType, std::nullopt},
    {ToolButton::GameMode, std::nullopt},
    {ToolButton::Bombs, std::nullopt},
    {ToolButton::Logo, Command::Homepage},
}};
static_assert(RowsInEnumOrder(kNaming, &Naming::button));

// The options sheet's words, translated as the sheet translates them.
QString OwnName(ToolButton button) {
    switch (button) {
    case ToolButton::NextBarToggle:
        return QCoreApplication::translate("brinox::CIntOpt", "Show Next Bar");
    case ToolButton::ToolBarToggle:
        return QCoreApplication::translate("brinox::CIntOpt", "Show Tool Bar");
    case ToolButton::StatusBarToggle:
        return QCoreApplication::translate("brinox::CIntOpt", "Show Status Bar");
    case ToolButton::GameType:
        return QCoreApplication::translate("brinox::CGameOpt", "Game Type");
    case ToolButton::GameMode:
        return QCoreApplication::translate("brinox::CGameOpt", "Game Mode");
    case ToolButton::Bombs:
        return QCoreApplication::translate("brinox::CGameOpt", "Bombs");
    default:
        return {};
    }
}

// Any number may come from a settings file the game did not write: none is named.
QString GameTypeName(std::int32_t type) {
    switch (type) {
    case Quadel:
        return QCoreApplication::translate("brinox::CGameOpt", "Quadel");
    case Quinel:
        return QCoreApplication::translate("brinox::CGameOpt", "Quinel");
    default:
        return {};
    }
}

QString GameModeName(std::int32_t mode) {
    switch (mode) {
    case Classic:
        return QCoreApplication::translate("brinox::CGameOpt", "Classic mode");
    case Timer:
        return QCoreApplication::translate("brinox::CGameOpt", "Timer mode");
    case Rising:
        return QCoreApplication::translate("brinox::CGameOpt", "Rising mode");
    case WorldChampionship:
        return QCoreApplication::translate("brinox::CGameOpt", "World Championship");
    default:
        return {};
    }
}

// A menu text as a name: without its mnemonic, its ellipsis and the key after the tab.
QString Spoken(const QString& menuText) {
    QString name = menuText.section(QLatin1Char('\t'), 0, 0);
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    return name;
}

bool OnToolBar(ToolButton button) {
    return button >= ToolButton::StartStop && button <= ToolButton::Exit;
}

} // namespace

DrawnButtonAccessible::DrawnButtonAccessible(QAccessibleInterface& parent, CGameFrame& frame,
                                             ToolButton button)
    : LeafAccessible(parent), frame(frame), button(button), told(Now()) {}

const QAction* DrawnButtonAccessible::MenuItem() const {
    const std::optional<Command> command = kNaming[IndexOf(button)].command;
    return command ? frame.Menu().Action(*command) : nullptr;
}

QString DrawnButtonAccessible::Choice() const {
    const Options& options = frame.Session().ShownOptions();
    switch (button) {
    case ToolButton::GameType:
        return GameTypeName(options.gameType);
    case ToolButton::GameMode:
        return GameModeName(options.gameMode);
    default:
        return {};
    }
}

std::optional<bool> DrawnButtonAccessible::Checked() const {
    const Options& options = frame.Session().ShownOptions();
    switch (button) {
    case ToolButton::NextBarToggle:
        return options.showNextBar != 0;
    case ToolButton::ToolBarToggle:
        return options.showToolBar != 0;
    case ToolButton::StatusBarToggle:
        return options.showStatusBar != 0;
    case ToolButton::Bombs:
        return options.bombsOn != 0;
    case ToolButton::Pause: {
        const GameFlags flags = frame.Session().ShownFlags();
        return flags.gameInProgress != 0 && flags.gameRunning == 0;
    }
    default:
        return std::nullopt;
    }
}

bool DrawnButtonAccessible::Drawn() const {
    return !OnToolBar(button) || frame.Session().ShownOptions().showToolBar != 0;
}

QString DrawnButtonAccessible::text(QAccessible::Text t) const {
    const Naming& naming = kNaming[IndexOf(button)];
    switch (t) {
    case QAccessible::Name: {
        if (!naming.command) {
            const QString choice = Choice();
            const QString own = OwnName(button);
            return choice.isEmpty() ? own : own + QStringLiteral(": ") + choice;
        }
        const QAction* item = MenuItem();
        if (naming.byMenuTitle) {
            for (const QObject* holder : item->associatedObjects()) {
                if (const auto* menu = qobject_cast<const QMenu*>(holder)) {
                    return Spoken(menu->title());
                }
            }
        }
        return Spoken(item->text());
    }
    case QAccessible::Value:
        return Choice();
    default:
        return {};
    }
}

QRect DrawnButtonAccessible::rect() const {
    const QRect area = frame.CurrentLayout().Button(button);
    return {frame.View().mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::Role DrawnButtonAccessible::role() const {
    return Checked() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State DrawnButtonAccessible::state() const {
    QAccessible::State state;
    state.disabled = !frame.ButtonEnabled(button);
    state.invisible = !Drawn();
    if (const std::optional<bool> checked = Checked()) {
        state.checkable = true;
        state.checked = *checked;
    }
    return state;
}

void* DrawnButtonAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList DrawnButtonAccessible::actionNames() const {
    return {Checked() ? toggleAction() : pressAction()};
}

void DrawnButtonAccessible::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName)) {
        return;
    }
    QMetaObject::invokeMethod(
        &frame, [window = &frame, pressed = button] { window->ClickButton(pressed); },
        Qt::QueuedConnection);
}

// The key the menu shows after its text, which does the same as the button.
QStringList DrawnButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    const QAction* item = MenuItem();
    if (!actionNames().contains(actionName) || item == nullptr ||
        !item->text().contains(QLatin1Char('\t'))) {
        return {};
    }
    return {item->text().section(QLatin1Char('\t'), 1)};
}

bool DrawnButtonAccessible::TellChanges() {
    const Shown now = Now();
    const bool renamed = now.name != told.name;
    if (renamed) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    QAccessible::State changed;
    changed.disabled = now.state.disabled != told.state.disabled;
    changed.invisible = now.state.invisible != told.state.invisible;
    changed.checked = now.state.checked != told.state.checked;
    const bool restated = changed.disabled || changed.invisible || changed.checked;
    if (restated) {
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    told = now;
    return renamed || restated;
}

} // namespace brinox
