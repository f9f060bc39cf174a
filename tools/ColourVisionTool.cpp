// brinox_colour_vision PICTURE STEM: writes STEM-protanopia.png and
// STEM-deuteranopia.png, the picture as players with those colour vision
// deficiencies see it.
#include "ColourVision.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QImage picture(argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (picture.isNull()) {
        std::fprintf(stderr, "usage: brinox_colour_vision PICTURE STEM (PICTURE readable by Qt)\n");
        return 2;
    }
    if (!brinox::art::ColourVision::SaveBoth(picture, QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "brinox_colour_vision: cannot write %s-*.png\n", argv[2]);
        return 1;
    }
    return 0;
}
