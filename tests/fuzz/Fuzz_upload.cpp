#include "server/UploadFile.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    TransferFile upload;
    upload.sender.name = "kept";
    if (server::ReadUpload({data, size}, upload) != server::UploadCheck::Ok) {
        fuzz::Require(upload.sender.name == "kept", "refused upload changed the result");
        return 0;
    }
    for (const ScoreEntry& row : upload.rows) {
        fuzz::Require(row.used != 1 || (row.score >= 0 && row.level >= 0 && row.lines >= 0 &&
                                        row.name.size() <= 64),
                      "implausible row accepted");
    }
    return 0;
}
