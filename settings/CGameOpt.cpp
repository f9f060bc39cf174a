#include "CGameOpt.h"

#include "SpinNumberBox.h"
#include "engine/GameTypes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brinox {

namespace {

QStringList LevelTexts() {
    QStringList texts;
    for (int level = 1; level <= kMaxStartLevel + 1; ++level) {
        texts << CGameOpt::tr("Level %1").arg(level);
    }
    return texts;
}

// "0 row" and "1 row" in the singular, as the game has always shown them;
// each its own text, as a language may say them otherwise.
QStringList HeightTexts() {
    QStringList texts = {CGameOpt::tr("0 row"), CGameOpt::tr("1 row")};
    for (int rows = 2; rows <= kMaxStartHeight; ++rows) {
        texts << CGameOpt::tr("%1 rows").arg(rows);
    }
    return texts;
}

QComboBox* List(QWidget* parent, const QString& name, const QStringList& texts, int selected) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(texts);
    list->setCurrentIndex(selected); // none for an index no entry has
    return list;
}

std::int32_t Chosen(int index, std::int32_t old) {
    return index >= 0 ? index : old;
}

QButtonGroup* RadioColumn(QGroupBox* box, const QStringList& texts, int checked) {
    auto* group = new QButtonGroup(box);
    auto* column = new QVBoxLayout(box);
    for (int id = 0; id < texts.size(); ++id) {
        auto* radio = new QRadioButton(texts[id], box);
        group->addButton(radio, id);
        column->addWidget(radio);
    }
    if (QAbstractButton* button = group->button(checked)) {
        button->setChecked(true);
    }
    return group;
}

} // namespace

CGameOpt::CGameOpt(const Options& options, bool gameInProgress, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Game"));
    level = List(this, QStringLiteral("startLevel"), LevelTexts(), options.startLevel);
    height = List(this, QStringLiteral("startHeight"), HeightTexts(), options.startHeight);
    auto* left = new QVBoxLayout;
    left->addWidget(TypeBox(options.gameType));
    left->addWidget(ModeBox(options.gameMode));
    left->addWidget(BombsBox(options.bombsOn));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(ListBox(tr("Start Level"), tr("Start"), level));
    right->addWidget(ListBox(tr("Height"), tr("Height:"), height));
    right->addWidget(VelocityBox(options));
    right->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 1);
    row->addLayout(right, 1);
    // The lists are made first; the keyboard goes through the page as it
    // reads, the left column first.
    setTabOrder(bombs, level);
    setTabOrder(level, height);
    setTabOrder(height, demolition);

    modes->button(WorldChampionship)->setEnabled(options.gameType != Quinel);
    bombs->setEnabled(options.gameMode != WorldChampionship);
    if (gameInProgress) {
        LockGameSettings();
    }
    // On the check, not the click: a screen reader checks a radio button without one.
    connect(types, &QButtonGroup::idToggled, this, [this](int type, bool on) {
        if (on) {
            TypeChosen(type);
        }
    });
    connect(modes, &QButtonGroup::idToggled, this, [this](int mode, bool on) {
        if (on) {
            ModeChosen(mode);
        }
    });
}

QGroupBox* CGameOpt::TypeBox(std::int32_t gameType) {
    auto* box = new QGroupBox(tr("Game Type"), this);
    types = RadioColumn(box, {tr("Quadel"), tr("Quinel")}, gameType);
    return box;
}

QGroupBox* CGameOpt::ModeBox(std::int32_t gameMode) {
    auto* box = new QGroupBox(tr("Game Mode"), this);
    modes = RadioColumn(
        box, {tr("Classic mode"), tr("Timer mode"), tr("Rising mode"), tr("World Championship")},
        gameMode);
    return box;
}

QGroupBox* CGameOpt::BombsBox(std::int32_t bombsOn) {
    auto* box = new QGroupBox(tr("Bombs"), this);
    bombs = new QCheckBox(tr("Bombs in the game"), box);
    bombs->setChecked(bombsOn != 0);
    (new QVBoxLayout(box))->addWidget(bombs);
    return box;
}

QGroupBox* CGameOpt::ListBox(const QString& title, const QString& label, QComboBox* list) {
    auto* box = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(box);
    auto* caption = new QLabel(label, box);
    caption->setBuddy(list);
    row->addWidget(caption);
    row->addWidget(list, 1);
    return box;
}

QGroupBox* CGameOpt::VelocityBox(const Options& options) {
    auto* box = new QGroupBox(tr("Velocity"), this);
    demolition = new SpinNumberBox(options.demolitionSpeed, box);
    demolition->setObjectName(QStringLiteral("demolitionSpeed"));
    animation = new SpinNumberBox(options.levelAnimationSpeed, box);
    animation->setObjectName(QStringLiteral("animationSpeed"));
    auto* form = new QFormLayout(box);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(new QLabel(SpinNumberBox::RangeNote(), box));
    form->addRow(tr("Demolition of blocks"), demolition);
    form->addRow(tr("\"Next Level\" and \"Game over\" Animation"), animation);
    return box;
}

void CGameOpt::TypeChosen(int gameType) {
    QAbstractButton* championship = modes->button(WorldChampionship);
    championship->setEnabled(gameType == Quadel);
    if (gameType == Quinel) {
        bombs->setEnabled(true);
        if (championship->isChecked()) {
            modes->button(Classic)->setChecked(true);
        }
    }
}

void CGameOpt::ModeChosen(int gameMode) {
    const bool championship = gameMode == WorldChampionship;
    bombs->setEnabled(!championship);
    if (championship) {
        bombs->setChecked(false);
    }
}

void CGameOpt::LockGameSettings() {
    for (QButtonGroup* group : {types, modes}) {
        for (QAbstractButton* button : group->buttons()) {
            button->setEnabled(false);
        }
    }
    bombs->setEnabled(false);
    level->setEnabled(false);
    height->setEnabled(false);
}

void CGameOpt::Accept(Options& options) const {
    // A value no control can show (from a file the game did not write) stays as it was.
    options.gameType = Chosen(types->checkedId(), options.gameType);
    options.gameMode = Chosen(modes->checkedId(), options.gameMode);
    options.bombsOn = bombs->isChecked() ? 1 : 0;
    options.startLevel = Chosen(level->currentIndex(), options.startLevel);
    options.startHeight = Chosen(height->currentIndex(), options.startHeight);
    options.demolitionSpeed = demolition->value();
    options.levelAnimationSpeed = animation->value();
}

} // namespace brinox
