#include "CGameApp.h"

int main(int argc, char** argv) {
    brinox::CGameApp app(argc, argv);
    return app.Run();
}
