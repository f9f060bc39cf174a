// How a picture looks to a player with protanopia or deuteranopia: the
// simulation of Machado, Oliveira and Fernandes (2009) at full severity, one
// 3 x 3 matrix applied to each pixel's linear RGB. For checking by eye that
// the game's pieces are told apart without colour (the piece marks).
#pragma once

#include <QImage>
#include <QString>

namespace brinox::art {

class ColourVision {
public:
    enum class Deficiency { Protanopia, Deuteranopia };

    // An RGB32 copy of `picture` as seen with `deficiency`.
    static QImage Simulate(const QImage& picture, Deficiency deficiency);
    // Writes stem-protanopia.png and stem-deuteranopia.png; false when one cannot be written.
    static bool SaveBoth(const QImage& picture, const QString& stem);
};

} // namespace brinox::art
