#include "settings/WindowSizeFile.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    const std::string& dir = fuzz::ScratchDirectory();
    fuzz::PutFile(dir + "ws.dat", data, size);
    const std::int32_t setting = ReadWindowSizeSetting(dir);
    fuzz::Require(setting == 0 || setting == 1 || setting == 100, "window size setting");
    return 0;
}
