#include "scores/LastNameFile.h"
#include "settings/Archive.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    std::string name = "kept";
    if (!ReadLastName(archive, name)) {
        fuzz::Require(name == "kept", "failed read changed the name");
    } else {
        fuzz::Require(name.size() <= size, "name longer than the file");
    }
    return 0;
}
