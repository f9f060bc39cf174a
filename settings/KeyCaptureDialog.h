// The small box of the Control page that waits for the new key of an
// action: no title bar and no buttons, just one line of text. Escape closes
// it as cancelled; F1 to F12 are swallowed and the box stays open; a key the
// game's key table lacks keeps it open too, with a second line saying so; any
// other key closes it and becomes the result.
#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;

namespace brinox {

inline constexpr const char* kUnusableKeyText = "This key cannot be used in the game";

class KeyCaptureDialog : public QDialog {
    Q_OBJECT

public:
    explicit KeyCaptureDialog(QWidget* parent = nullptr);

    // The key code taken; meaningful after the box was accepted.
    std::int32_t Key() const { return key; }

protected:
    // Every key press, Tab and Return included, comes here first.
    bool event(QEvent* event) override;

private:
    void TakeKey(std::int32_t code);

    QLabel* unusable = nullptr;
    std::int32_t key = 0;
};

} // namespace brinox
