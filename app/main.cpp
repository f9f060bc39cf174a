#include "CGameApp.h"

int main(int argc, char** argv) {
    // Pixel art scales by whole factors only: a 1.25 screen gets 1, a 1.75 screen 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    brinox::CGameApp app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(BRINOX_APP_ID));
    return app.Run();
}
