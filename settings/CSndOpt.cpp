#include "CSndOpt.h"

#include "StoredText.h"
#include "engine/GameHost.h"
#include "platform/FileChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brinox {

CSndOpt::CSndOpt(const Options& options, const std::string& appDirectory, GameSounds& sounds,
                 QWidget* parent)
    : QWidget(parent), values(options), appDirectory(appDirectory), sounds(sounds) {
    setObjectName(QStringLiteral("Sound"));
    master = new QCheckBox(tr("turns Sound on/off"), this);
    master->setChecked(values.soundOn != 0);
    resetAll = new QPushButton(tr("Reset All Sounds to Defaults"), this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(master);
    column->addWidget(EventBox());
    column->addWidget(resetAll, 0, Qt::AlignRight);
    column->addStretch();
    // Made before the group above it, reached after it.
    setTabOrder(reset, resetAll);

    EnableWithMaster();
    ShowSelected();
    // On the check, not the click: a screen reader checks a box without one.
    connect(master, &QCheckBox::toggled, this, [this](bool on) {
        values.soundOn = on ? 1 : 0;
        EnableWithMaster();
    });
    connect(events, &QComboBox::currentIndexChanged, this, &CSndOpt::ShowSelected);
    connect(eventOn, &QCheckBox::toggled, this,
            [this](bool on) { values.soundEnabled[Selected()] = on ? 1 : 0; });
    connect(play, &QPushButton::clicked, this, [this] {
        this->sounds.Play(static_cast<SoundEvent>(Selected()), values.soundFile[Selected()]);
    });
    connect(change, &QPushButton::clicked, this, &CSndOpt::ChangeFile);
    connect(reset, &QPushButton::clicked, this, [this] {
        values.ResetSound(Selected(), this->appDirectory);
        ShowSelected();
    });
    connect(resetAll, &QPushButton::clicked, this, &CSndOpt::ResetAll);
}

QGroupBox* CSndOpt::EventBox() {
    auto* box = new QGroupBox(tr("Setup of each sound individually"), this);
    events = new QComboBox(box);
    events->setObjectName(QStringLiteral("soundEvent"));
    for (std::string_view label : kSoundEventLabels) {
        events->addItem(QCoreApplication::translate("SoundEvent", label.data()));
    }
    eventOn = new QCheckBox(tr("turns this sound on/off"), box);
    path = new QLineEdit(box);
    path->setObjectName(QStringLiteral("soundPath"));
    path->setReadOnly(true);
    path->setMinimumWidth(path->fontMetrics().averageCharWidth() * 48);
    play = new QPushButton(tr("Play"), box);
    change = new QPushButton(tr("Change"), box);
    reset = new QPushButton(tr("Reset to Defaults"), box);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(play);
    buttons->addWidget(change);
    buttons->addStretch();
    buttons->addWidget(reset);
    auto* grid = new QGridLayout(box);
    auto* eventCaption = new QLabel(tr("Choose sound:"), box);
    eventCaption->setBuddy(events);
    grid->addWidget(eventCaption, 0, 0);
    grid->addWidget(events, 0, 1);
    grid->addWidget(eventOn, 1, 1);
    auto* pathCaption = new QLabel(tr("Path:"), box);
    pathCaption->setBuddy(path);
    grid->addWidget(pathCaption, 2, 0);
    grid->addWidget(path, 2, 1);
    grid->addLayout(buttons, 3, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

std::int32_t CSndOpt::Selected() const {
    return std::max(events->currentIndex(), 0);
}

void CSndOpt::ShowSelected() {
    eventOn->setChecked(values.soundEnabled[Selected()] != 0);
    path->setText(QString::fromStdString(values.soundFile[Selected()]));
}

void CSndOpt::EnableWithMaster() {
    const bool on = values.soundOn != 0;
    for (QWidget* control :
         std::initializer_list<QWidget*>{events, path, eventOn, play, change, reset, resetAll}) {
        control->setEnabled(on);
    }
}

void CSndOpt::ChangeFile() {
    const QString chosen = CurrentFileChooser().OpenFileName(
        this, {tr("Load Sound File"), tr("Sound Files (*.wav);;All Files (*)"),
               QStringLiteral("wav"), tr("untitled")});
    if (!chosen.isEmpty()) {
        // The options file keeps the path in its code page: keep and show it as it will be stored.
        values.soundFile[Selected()] = FromStoredText(ToStoredText(chosen)).toStdString();
    }
    ShowSelected();
}

void CSndOpt::ResetAll() {
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        values.ResetSound(e, appDirectory);
    }
    ShowSelected();
}

void CSndOpt::Accept(Options& options) const {
    options.soundOn = values.soundOn;
    options.soundEnabled = values.soundEnabled;
    options.soundFile = values.soundFile;
}

} // namespace brinox
