// The application object is the QApplication of this test program, so the
// tests run the game's own message loop, offscreen.
#include "CGameApp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("LANGUAGE", "en"); // the English texts the tests look for, whatever the desktop's
    brinox::CGameApp app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
