// Turns a loaded bitmap into a QImage for drawing: RGB32, top row first,
// device pixel ratio 1, so one picture pixel is one screen pixel. Images are
// made on the window's thread only: their memory comes from blocks it keeps.
#pragma once

#include "DibImage.h"

#include <QImage>

namespace brinox {

// A null QImage for an empty picture.
QImage ToQImage(const DibImage& picture);

// An RGB32 image of the given size filled with black, its memory taken the
// way the pictures' is (quick to touch for the first time).
QImage NewBlackImage(int width, int height);

} // namespace brinox
