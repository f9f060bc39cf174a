// A number field with a spin button, as the options pages use for speeds and
// key sensitivities: the arrows keep to 0..1000, while a typed number is
// taken as it is (any non-negative 32-bit number; nothing else can be typed).
#pragma once

#include <QSpinBox>

#include <cstdint>

namespace brinox {

// The note that goes with every group of these fields, in English.
inline constexpr const char* kSpinRangeNote =
    QT_TRANSLATE_NOOP("brinox::SpinNumberBox", "From 0 (fastest) to 1000 (slowest)");

class SpinNumberBox : public QSpinBox {
    Q_OBJECT

public:
    static constexpr std::int32_t kSpinMax = 1000;

    explicit SpinNumberBox(std::int32_t value, QWidget* parent = nullptr);

    // kSpinRangeNote in the program's language.
    static QString RangeNote() { return tr(kSpinRangeNote); }

    // Steps from the typed number brought into 0..1000.
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};

} // namespace brinox
