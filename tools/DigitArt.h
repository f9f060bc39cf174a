// Counter digits (three sets: red LED, green LCD, white on blue) and the
// small clock digits. Counter strips: digits 0-9 in 16 x 21 cells, a blank
// cell at x 160 and a 7-pixel colon at x 176. Clock strip: twelve 5 x 9
// cells - digits, colon, blank.
#pragma once

#include <QImage>

namespace brinox::art {

class DigitArt {
public:
    static constexpr int kSetCount = 3;
    static const char* SetName(int set);
    static QImage Counter(int set);
    static QImage Clock();
};

} // namespace brinox::art
