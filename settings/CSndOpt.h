// "Sound", the fourth page of the options sheet: the master switch and, for
// the event chosen in the list, its own switch and WAV file, which can be
// played, changed or reset. The handlers change the page's values at once;
// the sheet hands them back only when it is closed with OK. With the master
// switch off everything but the master box is greyed out.
#pragma once

#include "engine/Options.h"

#include <QWidget>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace brinox {

class GameSounds;

class CSndOpt : public QWidget {
    Q_OBJECT

public:
    // sounds plays "Play"; appDirectory rebuilds the default file names.
    CSndOpt(const Options& options, const std::string& appDirectory, GameSounds& sounds,
            QWidget* parent = nullptr);

    // OK: writes the master switch, the 12 switches and the 12 files into options.
    void Accept(Options& options) const;

private:
    QGroupBox* EventBox();
    std::int32_t Selected() const;
    void ShowSelected();
    void EnableWithMaster();
    void ChangeFile();
    void ResetAll();

    Options values; // only the sound fields are used
    std::string appDirectory;
    GameSounds& sounds;

    QCheckBox* master = nullptr;
    QComboBox* events = nullptr;
    QCheckBox* eventOn = nullptr;
    QLineEdit* path = nullptr;
    QPushButton* play = nullptr;
    QPushButton* change = nullptr;
    QPushButton* reset = nullptr;
    QPushButton* resetAll = nullptr;
};

} // namespace brinox
