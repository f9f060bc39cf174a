#include "scores/SenderDetails.h"
#include "settings/Archive.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    SenderDetails details{"n", "e", "c", "o"};
    const SenderDetails before = details;
    if (!ReadLastSend(archive, details)) {
        fuzz::Require(details == before, "failed read changed the details");
    }
    return 0;
}
