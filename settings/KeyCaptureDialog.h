// The small box of the Control page that waits for the new key of an
// action: no title bar and no buttons, the action's name over one line of
// text. Escape closes it as cancelled; F1 to F12 are swallowed and the box
// stays open; a key the game's key table lacks keeps it open too, with a
// second line saying so; any other key closes it and becomes the result. The
// box closes on the key's press, so the key is still down when it has gone.
#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;

namespace brinox {

inline constexpr const char* kUnusableKeyText =
    QT_TRANSLATE_NOOP("brinox::KeyCaptureDialog", "This key cannot be used in the game");

class KeyCaptureDialog : public QDialog {
    Q_OBJECT

public:
    // action: the name of the action whose key is redefined ("Move Left").
    explicit KeyCaptureDialog(const QString& action, QWidget* parent = nullptr);

    // The key code taken; meaningful after the box was accepted.
    std::int32_t Key() const { return key; }
    // The toolkit's key that closed the box, taken or Escape; 0 while open.
    int ClosingKey() const { return closingKey; }

protected:
    // Every key press, Tab and Return included, comes here first.
    bool event(QEvent* event) override;

private:
    // True when the key closed the box.
    bool TakeKey(std::int32_t code);

    QLabel* unusable = nullptr;
    std::int32_t key = 0;
    int closingKey = 0;
};

} // namespace brinox
