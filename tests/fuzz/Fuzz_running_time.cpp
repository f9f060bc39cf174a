#include "scores/UsageRecords.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    const std::string& dir = fuzz::ScratchDirectory();
    // The same bytes serve as the running-time and the first-start record.
    fuzz::PutFile(dir + "tdata.dat", data, size);
    fuzz::PutFile(dir + "sdata.dat", data, size);
    const RunningTime total = ReadRunningTime(dir);
    (void)TotalTimeText(dir);
    (void)FirstStartText(dir);
    // A record in range stays in range whatever is added.
    const RunningTime added = AddElapsed(total, size > 0 ? data[0] * 977u : 59u);
    if (total.seconds < 60 && total.minutes < 60) {
        fuzz::Require(added.seconds < 60 && added.minutes < 60, "carry");
    }
    return 0;
}
