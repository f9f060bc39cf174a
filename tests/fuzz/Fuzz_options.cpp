#include "settings/Archive.h"
#include "settings/OptionsFile.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    Options options;
    options.SetDefaultSoundFiles("/game/");
    LoadOptions(archive, options);
    // Whatever was loaded is already within range: sanitizing again changes nothing.
    Options again = options;
    SanitizeOptions(again);
    fuzz::Require(again == options, "options out of range after load");
    return 0;
}
