#include "OptionsSheet.h"

#include "CConOpt.h"
#include "CGameOpt.h"
#include "CIntOpt.h"
#include "CSndOpt.h"
#include "OptionPreviews.h"
#include "platform/AccessibleNames.h"
#include "platform/DialogStyle.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brinox {

namespace {

// Spin buttons with the arrows built into the program. %1: the resource prefix.
const char* const kSpinStyle = R"(
QSpinBox { padding-right: 18px; }
QSpinBox::up-button, QSpinBox::down-button { subcontrol-origin: border; width: 16px;
    background: #2b3a5e; border-left: 1px solid #3c4d74; }
QSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: 3px; }
QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: 3px; }
QSpinBox::up-button:hover, QSpinBox::down-button:hover { background: #3a4e7c; }
QSpinBox::up-arrow { image: url(%1%2); }
QSpinBox::down-arrow { image: url(%1%3); }
QSpinBox::up-arrow:disabled, QSpinBox::up-arrow:off,
QSpinBox::down-arrow:disabled, QSpinBox::down-arrow:off { image: none; }
)";

} // namespace

OptionsSheet::OptionsSheet(const OptionsSheetInput& input, QWidget* parent)
    : QDialog(parent), chosen(input.options) {
    setWindowTitle(QStringLiteral("Brinox 2000"));
    setObjectName(QStringLiteral("optionsSheet"));
    setStyleSheet(GameDialogStyle(13) + QString::fromLatin1(kSpinStyle)
                                            .arg(QString::fromLatin1(kPreviewPrefix),
                                                 QString::fromLatin1(kSpinUpArrow),
                                                 QString::fromLatin1(kSpinDownArrow)));
    gamePage = new CGameOpt(input.options, input.gameInProgress);
    interfacePage = new CIntOpt(input.options);
    controlPage = new CConOpt(input.options, input.gamepadName);
    soundPage = new CSndOpt(input.options, input.appDirectory, input.sounds);
    pages = new QTabWidget(this);
    pages->addTab(gamePage, tr("Game"));
    pages->addTab(interfacePage, tr("Interface"));
    pages->addTab(controlPage, tr("Control"));
    pages->addTab(soundPage, tr("Sound"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsSheet::reject);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->addWidget(pages);
    column->addWidget(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    NameInnerControls(*this);
}

void OptionsSheet::accept() {
    gamePage->Accept(chosen);
    interfacePage->Accept(chosen);
    controlPage->Accept(chosen);
    soundPage->Accept(chosen);
    QDialog::accept();
}

} // namespace brinox
