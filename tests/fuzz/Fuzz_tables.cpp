#include "scores/ScoreTableSet.h"
#include "settings/Archive.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    ScoreTableSet set;
    set.Load(archive); // values stand as read, flags too
    // Ranking and inserting into whatever was loaded stays within the table.
    const std::int32_t position = set.Place(3, 1, 1, 1);
    fuzz::Require(position >= 0 && position <= 10, "position");
    set.Insert(3, position, ScoreEntry{}, LocalTime{});

    const std::string& dir = fuzz::ScratchDirectory();
    fuzz::PutFile(dir + "data.ttb", data, size);
    for (std::int32_t t : {-1, 0, 6, 7}) {
        (void)BestScore(dir, t);
    }
    return 0;
}
