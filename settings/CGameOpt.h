// "Game", the first page of the options sheet: the settings of the next
// game (type, mode, bombs, start level and height) and the two animation
// speeds. World Championship is Quadel only and never with bombs; while a
// game is in progress only the two speeds can be changed.
#pragma once

#include "engine/Options.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace brinox {

class SpinNumberBox;

class CGameOpt : public QWidget {
    Q_OBJECT

public:
    CGameOpt(const Options& options, bool gameInProgress, QWidget* parent = nullptr);

    // OK: writes the page's seven values into options.
    void Accept(Options& options) const;

private:
    QGroupBox* TypeBox(std::int32_t gameType);
    QGroupBox* ModeBox(std::int32_t gameMode);
    QGroupBox* BombsBox(std::int32_t bombsOn);
    QGroupBox* ListBox(const QString& title, const QString& label, QComboBox* list);
    QGroupBox* VelocityBox(const Options& options);

    void TypeChosen(int gameType);
    void ModeChosen(int gameMode);
    void LockGameSettings();

    QButtonGroup* types = nullptr;
    QButtonGroup* modes = nullptr;
    QCheckBox* bombs = nullptr;
    QComboBox* level = nullptr;
    QComboBox* height = nullptr;
    SpinNumberBox* demolition = nullptr;
    SpinNumberBox* animation = nullptr;
};

} // namespace brinox
