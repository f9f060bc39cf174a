#include "scores/Top10File.h"
#include "settings/Archive.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    Top10Rows rows{};
    const Top10Rows before = rows;
    if (ReadTop10File(archive, rows) != Top10Load::Ok) {
        fuzz::Require(rows == before, "failed read changed the rows");
        return 0;
    }
    for (const ScoreEntry& row : rows) {
        fuzz::Require((row.used == 0 || row.used == 1) && (row.bombsOn == 0 || row.bombsOn == 1),
                      "flags");
    }
    return 0;
}
