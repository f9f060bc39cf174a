#include "CConOpt.h"

#include "KeyCaptureDialog.h"
#include "ShownKeyName.h"
#include "SpinNumberBox.h"
#include "platform/ModalRunner.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brinox {

namespace {

using Field = std::int32_t Options::*;

// The rows of the page, in order; "Reset to defaults" takes the record's defaults.
struct Row {
    const char* text;
    Field field;
};

// The texts are the page's (context "brinox::CConOpt"), translated where they are shown.
constexpr std::array<Row, CConOpt::kKeys> kKeyRows = {{
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Move Left"), &Options::keyLeft},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Move Right"), &Options::keyRight},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Move Down"), &Options::keyDown},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Rotate"), &Options::keyRotate},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Drop Bottom"), &Options::keyDrop},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Pause game"), &Options::keyPause},
}};

constexpr std::array<Row, CConOpt::kSensitivities> kSensitivityRows = {{
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Move Left:"), &Options::sensLeft},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Move Right:"), &Options::sensRight},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Move Down:"), &Options::sensDown},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Rotate:"), &Options::sensRotate},
    {QT_TRANSLATE_NOOP("brinox::CConOpt", "Drop Bottom:"), &Options::sensDrop},
}};

QPushButton* ResetButton(QWidget* parent) {
    return new QPushButton(CConOpt::tr("Reset to defaults"), parent);
}

} // namespace

CConOpt::CConOpt(const Options& options, const std::string& gamepadName, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Control"));
    for (std::size_t k = 0; k < kKeys; ++k) {
        keys[k] = options.*kKeyRows[k].field;
    }
    auto* page = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(KeysBox(), 1);
    row->addWidget(SensitivityBox(options), 1);
    page->addLayout(row, 1);
    page->addWidget(GamepadBox(gamepadName));
    ShowKeys();
}

QGroupBox* CConOpt::KeysBox() {
    auto* box = new QGroupBox(tr("Redefine keys"), this);
    auto* grid = new QGridLayout(box);
    for (std::size_t k = 0; k < kKeys; ++k) {
        auto* button = new QPushButton(tr(kKeyRows[k].text), box);
        // Enter after a redefinition means OK, not a new capture box that a
        // second Enter would fill with Enter.
        button->setAutoDefault(false);
        keyButtons[k] = button;
        keyFields[k] = new QLineEdit(box);
        keyFields[k]->setReadOnly(true);
        keyFields[k]->setFocusPolicy(Qt::NoFocus);
        keyFields[k]->setObjectName(QStringLiteral("key%1").arg(k));
        keyFields[k]->setAccessibleName(button->text());
        connect(button, &QPushButton::clicked, this, [this, k] { RedefineKey(k); });
        const int r = static_cast<int>(k);
        grid->addWidget(button, r, 0);
        grid->addWidget(keyFields[k], r, 1);
    }
    auto* reset = ResetButton(box);
    connect(reset, &QPushButton::clicked, this, &CConOpt::ResetKeys);
    grid->addWidget(reset, static_cast<int>(kKeys), 0, 1, 2, Qt::AlignRight);
    grid->setRowStretch(static_cast<int>(kKeys) + 1, 1);
    return box;
}

QGroupBox* CConOpt::SensitivityBox(const Options& options) {
    auto* box = new QGroupBox(tr("Redefine sensitivity of keys"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(SpinNumberBox::RangeNote(), box), 0, 0, 1, 3);
    for (std::size_t s = 0; s < kSensitivities; ++s) {
        const int r = static_cast<int>(s) + 1;
        sensitivities[s] = new SpinNumberBox(options.*kSensitivityRows[s].field, box);
        sensitivities[s]->setObjectName(QStringLiteral("sensitivity%1").arg(s));
        auto* caption = new QLabel(tr(kSensitivityRows[s].text), box);
        caption->setBuddy(sensitivities[s]);
        grid->addWidget(caption, r, 0);
        grid->addWidget(sensitivities[s], r, 1);
        grid->addWidget(new QLabel(QStringLiteral("(0-1000)"), box), r, 2);
    }
    auto* reset = ResetButton(box);
    connect(reset, &QPushButton::clicked, this, &CConOpt::ResetSensitivities);
    grid->addWidget(reset, static_cast<int>(kSensitivities) + 1, 0, 1, 3, Qt::AlignRight);
    grid->setRowStretch(static_cast<int>(kSensitivities) + 2, 1);
    return box;
}

// The controls press the keys above, so their sensitivities apply to both.
QGroupBox* CConOpt::GamepadBox(const std::string& name) {
    auto* box = new QGroupBox(tr("Gamepad"), this);
    auto* grid = new QGridLayout(box);
    auto* field = new QLineEdit(
        name.empty() ? tr("No gamepad connected") : QString::fromStdString(name), box);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setObjectName(QStringLiteral("gamepad"));
    field->setAccessibleName(box->title());
    grid->addWidget(field, 0, 0, 1, 2);
    // Two lines a column: the sheet must fit a small screen.
    grid->addWidget(new QLabel(tr("D-pad or left stick: Move Left, Move Right, Move "
                                  "Down\nA: Rotate \u00b7 B or right shoulder: Drop "
                                  "Bottom"),
                               box),
                    1, 0, Qt::AlignTop);
    grid->addWidget(new QLabel(tr("Start: Pause game, or start a game\nBack: stop "
                                  "the game, as F2 does"),
                               box),
                    1, 1, Qt::AlignTop);
    return box;
}

void CConOpt::RedefineKey(std::size_t k) {
    KeyCaptureDialog capture(tr(kKeyRows[k].text), this);
    const int result = RunModal(capture);
    HoldBack(capture.ClosingKey());
    if (result == QDialog::Accepted) {
        keys[k] = capture.Key();
        ShowKeys();
    }
}

void CConOpt::HoldBack(int key) {
    if (key != 0) {
        heldBack = key;
        qApp->installEventFilter(this);
    }
}

bool CConOpt::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return QWidget::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != heldBack) {
        return false;
    }
    if (repeats.NewPress(key)) {
        heldBack = 0;
        qApp->removeEventFilter(this);
        return false;
    }
    return true;
}

void CConOpt::ShowKeys() {
    for (std::size_t k = 0; k < kKeys; ++k) {
        keyFields[k]->setText(ShownKeyName(keys[k]));
        // Tab reaches the button, not the field: the button tells the key too.
        keyButtons[k]->setAccessibleDescription(keyFields[k]->text());
    }
}

void CConOpt::ResetKeys() {
    for (std::size_t k = 0; k < kKeys; ++k) {
        keys[k] = Options{}.*kKeyRows[k].field;
    }
    ShowKeys();
}

void CConOpt::ResetSensitivities() {
    for (std::size_t s = 0; s < kSensitivities; ++s) {
        sensitivities[s]->setValue(Options{}.*kSensitivityRows[s].field);
    }
}

void CConOpt::Accept(Options& options) const {
    for (std::size_t k = 0; k < kKeys; ++k) {
        options.*kKeyRows[k].field = keys[k];
    }
    for (std::size_t s = 0; s < kSensitivities; ++s) {
        options.*kSensitivityRows[s].field = sensitivities[s]->value();
    }
}

} // namespace brinox
