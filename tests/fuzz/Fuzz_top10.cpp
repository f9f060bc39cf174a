#include "scores/Top10File.h"
#include "settings/Archive.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    Top10Rows rows{};
    const Top10Rows before = rows;
    // Values stand as read, flags too; only a failed read must leave the rows alone.
    if (ReadTop10File(archive, rows) != Top10Load::Ok) {
        fuzz::Require(rows == before, "failed read changed the rows");
    }
    return 0;
}
