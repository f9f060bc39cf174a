// Turns a loaded bitmap into a QImage for drawing: RGB32, top row first,
// device pixel ratio 1, so one picture pixel is one screen pixel.
#pragma once

#include "DibImage.h"

#include <QImage>

namespace brinox {

// A null QImage for an empty picture.
QImage ToQImage(const DibImage& picture);

// An RGB32 image of the given size filled with black.
QImage NewBlackImage(int width, int height);

} // namespace brinox
