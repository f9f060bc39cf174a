// "Control", the third page of the options sheet: the six game keys, each
// redefined by pressing it in a KeyCaptureDialog, and the auto-repeat delay
// of the five movement keys. A key may serve two actions; nothing checks.
// By keyboard, Space presses a key's button and Enter the sheet's OK; the
// key that closed the capture box, still down then, reaches nothing (no
// button, no OK, no Cancel) until it is pressed anew.
// Below them, the game controller connected and what its controls do; the
// caller names the controller, so the page needs no gamepad code of its own.
#pragma once

#include "KeyRepeats.h"

#include "engine/Options.h"

#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace brinox {

class SpinNumberBox;

class CConOpt : public QWidget {
    Q_OBJECT

public:
    static constexpr std::size_t kKeys = 6;
    static constexpr std::size_t kSensitivities = 5;

    // gamepadName: the connected controller, empty when there is none.
    explicit CConOpt(const Options& options, const std::string& gamepadName = {},
                     QWidget* parent = nullptr);

    // OK: writes the six keys and the five sensitivities into options.
    void Accept(Options& options) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* KeysBox();
    QGroupBox* SensitivityBox(const Options& options);
    QGroupBox* GamepadBox(const std::string& name);

    // Opens the capture box for key k and takes the key pressed there.
    void RedefineKey(std::size_t k);
    void ShowKeys();
    void ResetKeys();
    void ResetSensitivities();
    // Keeps the repeats and the release of the toolkit key `key` from every
    // widget until its next new press.
    void HoldBack(int key);

    std::array<std::int32_t, kKeys> keys{};
    int heldBack = 0;
    KeyRepeats repeats;
    std::array<QPushButton*, kKeys> keyButtons{};
    std::array<QLineEdit*, kKeys> keyFields{};
    std::array<SpinNumberBox*, kSensitivities> sensitivities{};
};

} // namespace brinox
