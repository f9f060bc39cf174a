#include "SpinNumberBox.h"

#include <algorithm>
#include <limits>

namespace brinox {

SpinNumberBox::SpinNumberBox(std::int32_t value, QWidget* parent) : QSpinBox(parent) {
    setRange(0, std::numeric_limits<std::int32_t>::max());
    setValue(value);
    setAlignment(Qt::AlignRight);
    setAccelerated(true);
    // Wide enough for "1000" and the arrows, not for the whole 32-bit range.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 24);
}

void SpinNumberBox::stepBy(int steps) {
    const int from = std::clamp(value(), 0, kSpinMax);
    setValue(std::clamp(from + steps, 0, kSpinMax));
    selectAll();
}

QAbstractSpinBox::StepEnabled SpinNumberBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kSpinMax) {
        enabled |= StepUpEnabled;
    }
    if (value() > 0) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

} // namespace brinox
